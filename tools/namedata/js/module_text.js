// Usage: node module_text.js <file.js> : prints the string a data module exports.
'use strict';
const path = require('path');
const v = require(path.resolve(process.argv[2]));
if (typeof v !== 'string') { console.error('not a string module: ' + process.argv[2]); process.exit(2); }
process.stdout.write(v);
