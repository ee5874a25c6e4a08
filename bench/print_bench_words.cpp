// Prints the 1,000 words of the decline benchmarks, one a line, so that a
// peer can be measured on exactly the same words (bench/compare).
#include "bench_words.h"

#include <QTextStream>

int main()
{
    QTextStream out(stdout);
    out.setEncoding(QStringConverter::Utf8);
    for (const QString &word : ThousandWords(DictionaryPath()))
        out << word << '\n';
    return 0;
}
