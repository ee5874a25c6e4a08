#pragma once

#include "cli/decline_output.h"

#include <cstdio>

namespace tornelis {

// The output of decline, written word by word as each is done: in text, the
// blocks of the words found, a blank line between them; in JSON, one array
// of every word's object, as QJsonDocument would indent it.
class DeclineStream {
public:
    DeclineStream(FILE *stream, bool json);

    // Writes one word's result; false when the stream cannot be written.
    bool Write(const DeclinedWord &declined);
    // Ends the output (the JSON array's closing bracket).
    bool Finish();

private:
    bool Put(const QByteArray &bytes);

    FILE *stream_;
    bool json_;
    bool anyWritten_ = false;
};

}  // namespace tornelis
