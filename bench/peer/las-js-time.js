// node las-js-time.js FILE
// Reads one LAS file with las-js (header, curve names and every data row) and
// prints "seconds<TAB>peak MB" on one line.
'use strict';
const fs = require('fs');
const { Las } = require('las-js');

async function main() {
  const path = process.argv[2];
  const start = process.hrtime.bigint();
  const text = fs.readFileSync(path, { encoding: 'utf8' });
  const las = new Las(text, { loadFile: false });
  const names = await las.header();
  const rows = await las.data();
  const seconds = Number(process.hrtime.bigint() - start) / 1e9;
  if (names.length === 0 || rows.length === 0)
    throw new Error('las-js read no data from ' + path);
  const peakMB = process.resourceUsage().maxRSS / 1024;
  console.log(`${seconds.toFixed(6)}\t${peakMB.toFixed(1)}`);
}

main().catch((error) => {
  console.error(error);
  process.exit(1);
});
