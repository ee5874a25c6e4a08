// Az.js (npm "az", the same OpenCorpora data) on the words and the prose of
// our benchmarks, in one warm process. Prints one JSON object:
//   parse_us, parse_all_forms_us  median microseconds per word
//   prose_mb_per_s, prose_words_per_s, load_ms
// Usage: node az_bench.js WORDS_FILE PROSE_FILE   (NODE_PATH finds "az")
'use strict';
const fs = require('fs');
const Az = require('az');

const [wordsFile, proseFile] = process.argv.slice(2);
const words = fs.readFileSync(wordsFile, 'utf8').split('\n').filter(Boolean);
const prose = fs.readFileSync(proseFile, 'utf8');

// Every form of every dictionary parse, as a decline shows them.
function parseWithAllForms(word) {
  let forms = 0;
  for (const parse of Az.Morph(word)) {
    for (let i = 0; i < (parse.formCnt || 0); i++)
      forms += parse.inflect(i).word.length;
  }
  return forms;
}

function parseOnly(word) {
  return Az.Morph(word).length;
}

// The median over repetitions of the time per word of one pass over words.
function microsecondsPerWord(work) {
  let sink = 0;
  for (const word of words) sink += work(word);  // warm-up
  const times = [];
  for (let repetition = 0; repetition < 7; repetition++) {
    const start = process.hrtime.bigint();
    for (const word of words) sink += work(word);
    times.push(Number(process.hrtime.bigint() - start) / 1000 / words.length);
  }
  times.sort((a, b) => a - b);
  return sink >= 0 ? times[times.length >> 1] : NaN;
}

// Tokenizing the prose and parsing every word of it.
function annotateProse() {
  const start = process.hrtime.bigint();
  let count = 0;
  for (const token of Az.Tokens(prose).done()) {
    if (token.type === Az.Tokens.WORD) {
      Az.Morph(token.toString());
      count++;
    }
  }
  return { seconds: Number(process.hrtime.bigint() - start) / 1e9, count };
}

const loadStart = process.hrtime.bigint();
Az.Morph.init(require.resolve('az').replace(/dist\/az\.js$/, 'dicts'), (error) => {
  if (error) throw error;
  const loadMs = Number(process.hrtime.bigint() - loadStart) / 1e6;
  annotateProse();  // warm-up
  const runs = [annotateProse(), annotateProse(), annotateProse()].sort((a, b) => a.seconds - b.seconds);
  const prosePass = runs[1];
  console.log(JSON.stringify({
    parse_us: microsecondsPerWord(parseOnly),
    parse_all_forms_us: microsecondsPerWord(parseWithAllForms),
    prose_mb_per_s: Buffer.byteLength(prose) / 1048576 / prosePass.seconds,
    prose_words_per_s: prosePass.count / prosePass.seconds,
    load_ms: loadMs,
  }));
});
