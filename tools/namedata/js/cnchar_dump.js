// Usage: node cnchar_dump.js <dir-with-cnchar,cnchar-radical,cnchar-info> < chars.txt
// Prints one JSON object: {char: [radical, fiveElement]} for every character read.
'use strict';
const path = require('path');
const fs = require('fs');
const [cncharDir, radicalDir, infoDir] = process.argv.slice(2);
const cnchar = require(path.resolve(cncharDir, 'cnchar.min.js'));
cnchar.use(require(path.resolve(radicalDir, 'cnchar.radical.min.js')),
           require(path.resolve(infoDir, 'cnchar.info.min.js')));
const chars = Array.from(fs.readFileSync(0, 'utf8').replace(/\s+/g, ''));
const out = {};
for (const c of chars) {
  let rad = '', el = '';
  try { const r = cnchar.radical(c); rad = (r && r[0] && r[0].radical) || ''; } catch (e) {}
  try { const i = cnchar.info(c); el = (i && i[0] && i[0].fiveElement) || ''; } catch (e) {}
  out[c] = [rad, el];
}
process.stdout.write(JSON.stringify(out));
