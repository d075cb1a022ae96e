// Contacts workbook -> one vCard 3.0 file, with the npm package xlsx.
// usage: node sheetjs_convert.js WORKBOOK OUT.vcf   (NODE_PATH names the package's folder)
const fs = require("fs");
const XLSX = require("xlsx");

const escape = (v) =>
  String(v ?? "").replace(/\\/g, "\\\\").replace(/,/g, "\\,").replace(/;/g, "\\;")
    .replace(/\r\n/g, "\n").replace(/\n/g, "\\n");

function record(row) {
  const [first, last, full, email, company, title, department, work, mobile, street, city,
    state, postal, country, web, notes] = Array.from({ length: 16 }, (_, i) => escape(row[i]));
  const lines = ["BEGIN:VCARD", "VERSION:3.0", `N:${last};${first};`,
    `FN:${full || first + " " + last}`];
  if (company || department) lines.push(`ORG:${company};${department}`);
  if (title) lines.push(`TITLE:${title}`);
  if (work) lines.push(`TEL;WORK;VOICE:${work}`);
  if (mobile) lines.push(`TEL;CELL;VOICE:${mobile}`);
  if (street || city || state || postal || country) {
    lines.push(`ADR;WORK:;;${street};${city};${state};${postal};${country}`);
  }
  if (web) lines.push(`URL:${web}`);
  if (email) lines.push(`EMAIL;PREF;INTERNET:${email}`);
  if (notes) lines.push(`NOTE:${notes}`);
  lines.push("END:VCARD");
  return lines.join("\r\n") + "\r\n";
}

const workbook = XLSX.readFile(process.argv[2], { dense: true });
const sheet = workbook.Sheets[workbook.SheetNames[0]];
const rows = XLSX.utils.sheet_to_json(sheet, { header: 1, raw: false, blankrows: false });
fs.writeFileSync(process.argv[3], rows.slice(1).map(record).join(""));
console.log(`records=${Math.max(rows.length - 1, 0)}`);
