/* Writes a contacts sheet of 16 columns as .xlsx (libxlsxwriter, constant memory), as .csv
 * and as BIFF8 .xls, for the read benchmarks. The data are made up but shaped like a real
 * address book: names, companies and cities repeat from small lists, e-mails are unique.
 * "xlsx-styled" writes the same .xlsx with a cell style on every cell, as spreadsheet
 * applications save a formatted list: text as "@", the postal code as "00000".
 *
 * Usage: make-contacts xlsx|xlsx-styled|csv|xls ROWS OUTFILE
 * ROWS counts data rows; a header row comes first. The same ROWS gives the same data in
 * every format. */
#include <errno.h>
#include <stdint.h>
#include <stdio.h>
#include <stdlib.h>
#include <string.h>
#include <xlsxwriter.h>

#define COLUMNS 16
#define CELL_BYTES 256
#define XLS_MAX_ROWS 65536

static const char* const kHeaders[COLUMNS] = {"First Name",
                                              "Last Name",
                                              "Full Name",
                                              "E-mail Address",
                                              "Company",
                                              "Job Title",
                                              "Department",
                                              "Business Phone",
                                              "Mobile Phone",
                                              "Business Street",
                                              "Business City",
                                              "Business State",
                                              "Business Postal Code",
                                              "Business Country",
                                              "Web Page",
                                              "Notes"};

static const char* const kFirst[] = {"James",         "Mary",        "Robert",
                                     "Patricia",      "John",        "Jennifer",
                                     "Michael",       "Linda",       "David",
                                     "Elizabeth",     "William",     "Barbara",
                                     "Richard",       "Susan",       "Joseph",
                                     "Jessica",       "Thomas",      "Sarah",
                                     "Zo\xC3\xAB",    "Jos\xC3\xA9", "Fran\xC3\xA7oise",
                                     "\xC5\x81ukasz", "Anna",        "Lars",
                                     "Mei",           "Hiroshi",     "Amara",
                                     "Omar",          "Ingrid",      "Pablo"};
static const char* const kLast[] = {
    "Smith",         "Johnson", "Williams",  "Brown",    "Jones",     "Garcia",
    "Miller",        "Davis",   "Rodriguez", "Martinez", "Hernandez", "Lopez",
    "Gonzalez",      "Wilson",  "Anderson",  "Thomas",   "Taylor",    "Moore",
    "M\xC3\xBCller", "O'Brien", "Nakamura",  "Kowalski", "Johansson", "Dubois",
    "Rossi",         "Chen",    "Okafor",    "Haddad",   "Nguyen",    "Silva"};
static const char* const kCompanies[] = {"Acme Corporation",
                                         "Globex",
                                         "Initech",
                                         "Umbrella Logistics",
                                         "Stark Industries",
                                         "Wayne Enterprises",
                                         "Hooli",
                                         "Vandelay Industries",
                                         "Soylent Foods",
                                         "Cyberdyne Systems",
                                         "Wonka Confectionery",
                                         "Tyrell Corp",
                                         "Massive Dynamic",
                                         "Gringotts Bank",
                                         "Oceanic Airlines",
                                         "Monarch Paper",
                                         "Dunder Mifflin",
                                         "Pied Piper",
                                         "Aperture Labs",
                                         "Black Mesa"};
static const char* const kDomains[] = {
    "acme.example",    "globex.example",    "initech.example",  "umbrella.example",
    "stark.example",   "wayne.example",     "hooli.example",    "vandelay.example",
    "soylent.example", "cyberdyne.example", "wonka.example",    "tyrell.example",
    "massive.example", "gringotts.example", "oceanic.example",  "monarch.example",
    "dunder.example",  "piedpiper.example", "aperture.example", "blackmesa.example"};
static const char* const kTitles[] = {"Sales Manager",
                                      "Account Executive",
                                      "Software Engineer",
                                      "Office Manager",
                                      "Chief Financial Officer",
                                      "Marketing Specialist",
                                      "HR Generalist",
                                      "Buyer",
                                      "Project Manager",
                                      "Support Engineer",
                                      "Analyst",
                                      "Director of Operations"};
static const char* const kDepartments[] = {"Sales",      "Engineering",     "Finance",
                                           "Marketing",  "Human Resources", "Purchasing",
                                           "Operations", "Support"};
static const char* const kStreets[] = {"Main Street", "Oak Avenue",   "Maple Drive", "Park Road",
                                       "Cedar Lane",  "Elm Street",   "High Street", "Station Road",
                                       "Mill Lane",   "Church Street"};
static const struct {
  const char *city, *state, *country;
} kPlaces[] = {{"Springfield", "IL", "United States"},
               {"Portland", "OR", "United States"},
               {"Austin", "TX", "United States"},
               {"Boston", "MA", "United States"},
               {"Denver", "CO", "United States"},
               {"Toronto", "ON", "Canada"},
               {"Vancouver", "BC", "Canada"},
               {"Manchester", "", "United Kingdom"},
               {"Leeds", "", "United Kingdom"},
               {"M\xC3\xBCnchen", "BY", "Germany"},
               {"K\xC3\xB6ln", "NW", "Germany"},
               {"Lyon", "", "France"},
               {"Sydney", "NSW", "Australia"},
               {"Melbourne", "VIC", "Australia"},
               {"Osaka", "", "Japan"},
               {"S\xC3\xA3o Paulo", "SP", "Brazil"}};
static const char* const kNotes[] = {"",
                                     "",
                                     "",
                                     "Met at the trade fair, wants a quote",
                                     "Prefers e-mail",
                                     "Call after 3 pm",
                                     "",
                                     "Key account; renew in \"Q3\"",
                                     "",
                                     "Assistant: see mobile\nfor urgent matters"};

#define COUNT(a) (sizeof(a) / sizeof((a)[0]))

/* A fixed generator, so that every run and every format holds the same data. */
static uint64_t state;
static uint32_t next_random(void) {
  state = state * 6364136223846793005ULL + 1442695040888963407ULL;
  return (uint32_t)(state >> 33);
}

static void lower_ascii(char* out, const char* in, size_t size) {
  size_t o = 0;
  for (; *in && o + 1 < size; ++in) {
    const unsigned char c = (unsigned char)*in;
    if (c >= 'A' && c <= 'Z')
      out[o++] = (char)(c - 'A' + 'a');
    else if (c >= 'a' && c <= 'z')
      out[o++] = (char)c;
    else if (c >= 0x80 && (c & 0xC0) != 0x80)
      out[o++] = 'x'; /* one letter per character */
  }
  out[o] = '\0';
}

/* The cells of data row `row` (counted from 1); the postal code is also given as a number. */
static void make_row(uint32_t row, char cells[COLUMNS][CELL_BYTES], double* postal) {
  const char* first = kFirst[next_random() % COUNT(kFirst)];
  const char* last = kLast[next_random() % COUNT(kLast)];
  const uint32_t company = next_random() % COUNT(kCompanies);
  const uint32_t place = next_random() % COUNT(kPlaces);
  char lf[64], ll[64];
  lower_ascii(lf, first, sizeof lf);
  lower_ascii(ll, last, sizeof ll);
  snprintf(cells[0], CELL_BYTES, "%s", first);
  snprintf(cells[1], CELL_BYTES, "%s", last);
  snprintf(cells[2], CELL_BYTES, "%s %s", first, last);
  snprintf(cells[3], CELL_BYTES, "%s.%s.%u@%s", lf, ll, row, kDomains[company]);
  snprintf(cells[4], CELL_BYTES, "%s", kCompanies[company]);
  snprintf(cells[5], CELL_BYTES, "%s", kTitles[next_random() % COUNT(kTitles)]);
  snprintf(cells[6], CELL_BYTES, "%s", kDepartments[next_random() % COUNT(kDepartments)]);
  snprintf(cells[7], CELL_BYTES, "+1 555 %07u", next_random() % 10000000u);
  snprintf(cells[8], CELL_BYTES, "0%03u %06u", 100 + next_random() % 900, next_random() % 1000000u);
  snprintf(cells[9], CELL_BYTES, "%u %s", 1 + next_random() % 2000,
           kStreets[next_random() % COUNT(kStreets)]);
  snprintf(cells[10], CELL_BYTES, "%s", kPlaces[place].city);
  snprintf(cells[11], CELL_BYTES, "%s", kPlaces[place].state);
  *postal = (double)(10000 + next_random() % 90000);
  snprintf(cells[12], CELL_BYTES, "%.0f", *postal);
  snprintf(cells[13], CELL_BYTES, "%s", kPlaces[place].country);
  snprintf(cells[14], CELL_BYTES, "https://www.%s/", kDomains[company]);
  snprintf(cells[15], CELL_BYTES, "%s", kNotes[next_random() % COUNT(kNotes)]);
}

static int fail(const char* what, const char* file) {
  fprintf(stderr, "make-contacts: %s: %s\n", file, what);
  return 1;
}

static int write_xlsx(uint32_t rows, const char* path, int styled) {
  lxw_workbook_options options = {
      .constant_memory = LXW_TRUE, .tmpdir = NULL, .use_zip64 = LXW_FALSE};
  lxw_workbook* workbook = workbook_new_opt(path, &options);
  if (!workbook) return fail("cannot create the workbook", path);
  lxw_worksheet* sheet = workbook_add_worksheet(workbook, "Contacts");
  if (!sheet) return fail("cannot add a worksheet", path);
  lxw_format* text = NULL;
  lxw_format* zeros = NULL;
  if (styled) {
    text = workbook_add_format(workbook);
    zeros = workbook_add_format(workbook);
    if (!text || !zeros) return fail("cannot add a format", path);
    format_set_num_format(text, "@");
    format_set_num_format(zeros, "00000");
  }
  for (lxw_col_t c = 0; c < COLUMNS; ++c) {
    if (worksheet_write_string(sheet, 0, c, kHeaders[c], text) != LXW_NO_ERROR)
      return fail("cannot write the header", path);
  }
  char cells[COLUMNS][CELL_BYTES];
  for (uint32_t r = 1; r <= rows; ++r) {
    double postal;
    make_row(r, cells, &postal);
    for (lxw_col_t c = 0; c < COLUMNS; ++c) {
      lxw_error e;
      if (c == 12)
        e = worksheet_write_number(sheet, r, c, postal, zeros);
      else if (cells[c][0] == '\0')
        continue;
      else
        e = worksheet_write_string(sheet, r, c, cells[c], text);
      if (e != LXW_NO_ERROR) return fail(lxw_strerror(e), path);
    }
  }
  const lxw_error closed = workbook_close(workbook);
  if (closed != LXW_NO_ERROR) return fail(lxw_strerror(closed), path);
  return 0;
}

static int put_csv_field(FILE* out, const char* text) {
  if (strpbrk(text, ",\"\r\n") == NULL) return fputs(text, out) < 0 ? -1 : 0;
  if (fputc('"', out) == EOF) return -1;
  for (; *text; ++text) {
    if (*text == '"' && fputc('"', out) == EOF) return -1;
    if (fputc(*text, out) == EOF) return -1;
  }
  return fputc('"', out) == EOF ? -1 : 0;
}

static int write_csv(uint32_t rows, const char* path) {
  FILE* out = fopen(path, "wb");
  if (!out) return fail(strerror(errno), path);
  int bad = 0;
  for (int c = 0; c < COLUMNS && !bad; ++c) {
    bad = (c > 0 && fputc(',', out) == EOF) || put_csv_field(out, kHeaders[c]) != 0;
  }
  bad = bad || fputs("\r\n", out) < 0;
  char cells[COLUMNS][CELL_BYTES];
  for (uint32_t r = 1; r <= rows && !bad; ++r) {
    double postal;
    make_row(r, cells, &postal);
    for (int c = 0; c < COLUMNS && !bad; ++c) {
      bad = (c > 0 && fputc(',', out) == EOF) || put_csv_field(out, cells[c]) != 0;
    }
    bad = bad || fputs("\r\n", out) < 0;
  }
  if (fclose(out) != 0) bad = 1;
  return bad ? fail("cannot write the file", path) : 0;
}

/* ---- BIFF8 in a compound file ---- */

typedef struct {
  unsigned char* data;
  size_t size, capacity;
} Bytes;

static void put(Bytes* b, const void* data, size_t n) {
  if (b->size + n > b->capacity) {
    size_t cap = b->capacity ? b->capacity * 2 : 1 << 16;
    while (cap < b->size + n)
      cap *= 2;
    unsigned char* grown = realloc(b->data, cap);
    if (!grown) {
      fputs("make-contacts: out of memory\n", stderr);
      exit(1);
    }
    b->data = grown;
    b->capacity = cap;
  }
  memcpy(b->data + b->size, data, n);
  b->size += n;
}
static void put8(Bytes* b, unsigned v) {
  unsigned char c = (unsigned char)v;
  put(b, &c, 1);
}
static void put16(Bytes* b, unsigned v) {
  put8(b, v & 0xFF);
  put8(b, (v >> 8) & 0xFF);
}
static void put32(Bytes* b, uint32_t v) {
  put16(b, v & 0xFFFF);
  put16(b, v >> 16);
}
static void put_double(Bytes* b, double v) {
  uint64_t bits;
  memcpy(&bits, &v, 8);
  put32(b, (uint32_t)bits);
  put32(b, (uint32_t)(bits >> 32));
}
static void set16(Bytes* b, size_t at, unsigned v) {
  b->data[at] = (unsigned char)(v & 0xFF);
  b->data[at + 1] = (unsigned char)(v >> 8);
}
static void set32(Bytes* b, size_t at, uint32_t v) {
  set16(b, at, v & 0xFFFF);
  set16(b, at + 2, v >> 16);
}

static void record(Bytes* b, unsigned type, const Bytes* body) {
  put16(b, type);
  put16(b, (unsigned)body->size);
  put(b, body->data, body->size);
}

/* UTF-8 to code points; returns how many, or -1 past `max`. */
static int decode_utf8(const char* s, uint32_t* out, int max) {
  int n = 0;
  const unsigned char* p = (const unsigned char*)s;
  while (*p) {
    uint32_t cp;
    if (*p < 0x80)
      cp = *p++;
    else if (*p < 0xE0) {
      cp = (uint32_t)(*p & 0x1F) << 6 | (p[1] & 0x3F);
      p += 2;
    } else if (*p < 0xF0) {
      cp = (uint32_t)(*p & 0x0F) << 12 | (uint32_t)(p[1] & 0x3F) << 6 | (p[2] & 0x3F);
      p += 3;
    } else {
      cp = 0xFFFD;
      p += 4;
    } /* the data hold nothing past the BMP */
    if (n == max) return -1;
    out[n++] = cp;
  }
  return n;
}

/* A BIFF8 unicode string with a 16-bit length: Latin-1 text compressed, else UTF-16LE. */
static void put_xl_string(Bytes* b, const char* utf8) {
  uint32_t cps[CELL_BYTES];
  const int n = decode_utf8(utf8, cps, CELL_BYTES);
  int wide = 0;
  for (int i = 0; i < n; ++i)
    wide |= cps[i] > 0xFF;
  put16(b, (unsigned)n);
  put8(b, wide ? 1 : 0);
  for (int i = 0; i < n; ++i) {
    if (wide)
      put16(b, cps[i]);
    else
      put8(b, cps[i]);
  }
}

/* Shared strings: a simple open-addressing table from text to index. */
typedef struct {
  char** texts;
  uint32_t* slots; /* index + 1, 0 for free */
  uint32_t count, slotCount;
} StringTable;

static uint32_t hash(const char* s) {
  uint32_t h = 2166136261u;
  for (; *s; ++s)
    h = (h ^ (unsigned char)*s) * 16777619u;
  return h;
}

static uint32_t intern(StringTable* t, const char* s) {
  uint32_t i = hash(s) & (t->slotCount - 1);
  while (t->slots[i] != 0) {
    if (strcmp(t->texts[t->slots[i] - 1], s) == 0) return t->slots[i] - 1;
    i = (i + 1) & (t->slotCount - 1);
  }
  t->texts[t->count] = strdup(s);
  if (!t->texts[t->count]) exit(1);
  t->slots[i] = ++t->count;
  return t->count - 1;
}

/* The SST record, continued in CONTINUE records; no string is split between two records. */
static void put_sst(Bytes* stream, const StringTable* t, uint32_t total) {
  const size_t kMaxBody = 8224;
  Bytes body = {0};
  put32(&body, total);
  put32(&body, t->count);
  unsigned type = 0x00FC;
  for (uint32_t i = 0; i < t->count; ++i) {
    Bytes one = {0};
    put_xl_string(&one, t->texts[i]);
    if (body.size + one.size > kMaxBody) {
      record(stream, type, &body);
      body.size = 0;
      type = 0x003C;
    }
    put(&body, one.data, one.size);
    free(one.data);
  }
  record(stream, type, &body);
  free(body.data);
}

static void put_bof(Bytes* stream, unsigned kind) {
  Bytes body = {0};
  put16(&body, 0x0600);
  put16(&body, kind);
  put16(&body, 0x0DBB);
  put16(&body, 0x07CC);
  put32(&body, 0);
  put32(&body, 0x0006);
  record(stream, 0x0809, &body);
  free(body.data);
}

static void put_eof(Bytes* stream) {
  put16(stream, 0x000A);
  put16(stream, 0);
}

/* The Workbook stream: globals (BOF, CODEPAGE, BOUNDSHEET, SST, EOF), then the sheet. */
static void build_workbook_stream(uint32_t rows, Bytes* stream) {
  StringTable table = {0};
  table.slotCount = 1u << 22;
  table.slots = calloc(table.slotCount, sizeof *table.slots);
  table.texts = calloc((size_t)(rows + 1) * COLUMNS, sizeof *table.texts);
  Bytes cells = {0};
  uint32_t total = 0;
  if (!table.slots || !table.texts) exit(1);

  char row[COLUMNS][CELL_BYTES];
  for (uint32_t r = 0; r <= rows; ++r) {
    double postal = 0;
    if (r == 0) {
      for (int c = 0; c < COLUMNS; ++c)
        snprintf(row[c], CELL_BYTES, "%s", kHeaders[c]);
    } else {
      make_row(r, row, &postal);
    }
    for (unsigned c = 0; c < COLUMNS; ++c) {
      Bytes body = {0};
      put16(&body, r);
      put16(&body, c);
      put16(&body, 0x0F); /* the default cell format */
      if (r > 0 && c == 12) {
        put_double(&body, postal);
        record(&cells, 0x0203, &body);
      } else if (row[c][0] != '\0') {
        put32(&body, intern(&table, row[c]));
        ++total;
        record(&cells, 0x00FD, &body);
      }
      free(body.data);
    }
  }

  put_bof(stream, 0x0005);
  Bytes codepage = {0};
  put16(&codepage, 1200);
  record(stream, 0x0042, &codepage);
  free(codepage.data);
  /* The 15 style XFs and the one cell XF (index 15, General) a BIFF8 workbook must have:
     readers such as xlrd look every cell's XF up. */
  for (unsigned xf = 0; xf < 16; ++xf) {
    Bytes body = {0};
    put16(&body, 0);                          /* font */
    put16(&body, 0);                          /* number format: General */
    put16(&body, xf < 15 ? 0xFFF5 : 0x0001);  /* style XF with no parent, or a locked cell XF */
    for (int i = 0; i < 14; ++i) put8(&body, 0);
    record(stream, 0x00E0, &body);
    free(body.data);
  }
  const size_t boundsheet = stream->size;
  Bytes sheet = {0};
  put32(&sheet, 0); /* the sheet's offset, set below */
  put16(&sheet, 0);
  put8(&sheet, 8);
  put8(&sheet, 0);
  put(&sheet, "Contacts", 8);
  record(stream, 0x0085, &sheet);
  free(sheet.data);
  put_sst(stream, &table, total);
  put_eof(stream);

  set32(stream, boundsheet + 4, (uint32_t)stream->size);
  put_bof(stream, 0x0010);
  Bytes dims = {0};
  put32(&dims, 0);
  put32(&dims, rows + 1);
  put16(&dims, 0);
  put16(&dims, COLUMNS);
  put16(&dims, 0);
  record(stream, 0x0200, &dims);
  free(dims.data);
  put(stream, cells.data, cells.size);
  put_eof(stream);

  free(cells.data);
  for (uint32_t i = 0; i < table.count; ++i)
    free(table.texts[i]);
  free(table.texts);
  free(table.slots);
}

#define SECTOR 512
#define ENDOFCHAIN 0xFFFFFFFEu
#define FREESECT 0xFFFFFFFFu
#define FATSECT 0xFFFFFFFDu
#define DIFSECT 0xFFFFFFFCu
#define NOSTREAM 0xFFFFFFFFu

static void put_directory_entry(Bytes* b, const char* name, unsigned type, uint32_t child,
                                uint32_t start, uint32_t size) {
  const size_t at = b->size;
  const size_t length = strlen(name);
  for (size_t i = 0; i < 32; ++i)
    put16(b, i < length ? (unsigned char)name[i] : 0);
  put16(b, length ? (unsigned)(length + 1) * 2 : 0);
  put8(b, type);
  put8(b, type ? 1 : 0); /* black */
  put32(b, NOSTREAM);
  put32(b, NOSTREAM);
  put32(b, child);
  for (int i = 0; i < 16 + 4 + 16; ++i)
    put8(b, 0); /* class id, state bits, times */
  put32(b, start);
  put32(b, size);
  put32(b, 0);
  if (b->size - at != 128) exit(1);
}

/* A version 3 compound file: the stream's sectors, then the FAT, the DIFAT, the directory. */
static int write_compound_file(const Bytes* stream, const char* path) {
  const uint32_t streamSectors = (uint32_t)((stream->size + SECTOR - 1) / SECTOR);
  uint32_t fat = 1, difat = 0;
  for (;;) {
    const uint32_t total = streamSectors + fat + difat + 1;
    const uint32_t needFat = (total + 127) / 128;
    const uint32_t needDifat = needFat > 109 ? (needFat - 109 + 126) / 127 : 0;
    if (needFat == fat && needDifat == difat) break;
    fat = needFat;
    difat = needDifat;
  }
  const uint32_t firstFat = streamSectors, firstDifat = firstFat + fat;
  const uint32_t directory = firstDifat + difat;

  Bytes out = {0};
  put(&out, "\xD0\xCF\x11\xE0\xA1\xB1\x1A\xE1", 8);
  for (int i = 0; i < 16; ++i)
    put8(&out, 0);
  put16(&out, 0x003E);
  put16(&out, 0x0003);
  put16(&out, 0xFFFE);
  put16(&out, 9);
  put16(&out, 6);
  for (int i = 0; i < 6; ++i)
    put8(&out, 0);
  put32(&out, 0);
  put32(&out, fat);
  put32(&out, directory);
  put32(&out, 0);
  put32(&out, 4096);
  put32(&out, ENDOFCHAIN);
  put32(&out, 0);
  put32(&out, difat ? firstDifat : ENDOFCHAIN);
  put32(&out, difat);
  for (uint32_t i = 0; i < 109; ++i)
    put32(&out, i < fat ? firstFat + i : FREESECT);

  put(&out, stream->data, stream->size);
  while (out.size % SECTOR)
    put8(&out, 0);

  for (uint32_t s = 0; s < fat * 128; ++s) {
    uint32_t entry = FREESECT;
    if (s < streamSectors)
      entry = s + 1 == streamSectors ? ENDOFCHAIN : s + 1;
    else if (s < firstDifat)
      entry = FATSECT;
    else if (s < directory)
      entry = DIFSECT;
    else if (s == directory)
      entry = ENDOFCHAIN;
    put32(&out, entry);
  }
  for (uint32_t d = 0; d < difat; ++d) {
    for (uint32_t i = 0; i < 127; ++i) {
      const uint32_t index = 109 + d * 127 + i;
      put32(&out, index < fat ? firstFat + index : FREESECT);
    }
    put32(&out, d + 1 < difat ? firstDifat + d + 1 : ENDOFCHAIN);
  }
  put_directory_entry(&out, "Root Entry", 5, 1, ENDOFCHAIN, 0);
  put_directory_entry(&out, "Workbook", 2, NOSTREAM, 0, (uint32_t)stream->size);
  put_directory_entry(&out, "", 0, NOSTREAM, 0, 0);
  put_directory_entry(&out, "", 0, NOSTREAM, 0, 0);

  FILE* file = fopen(path, "wb");
  if (!file) return fail(strerror(errno), path);
  const int bad = fwrite(out.data, 1, out.size, file) != out.size;
  free(out.data);
  if (fclose(file) != 0 || bad) return fail("cannot write the file", path);
  return 0;
}

static int write_xls(uint32_t rows, const char* path) {
  if (rows + 1 > XLS_MAX_ROWS) return fail("an .xls sheet holds at most 65,535 data rows", path);
  Bytes stream = {0};
  build_workbook_stream(rows, &stream);
  const int result = write_compound_file(&stream, path);
  free(stream.data);
  return result;
}

int main(int argc, char** argv) {
  if (argc != 4) {
    fputs("usage: make-contacts xlsx|xlsx-styled|csv|xls ROWS OUTFILE\n", stderr);
    return 2;
  }
  char* end = NULL;
  const unsigned long rows = strtoul(argv[2], &end, 10);
  if (*end != '\0' || rows == 0 || rows > 1048575ul) {
    fputs("make-contacts: ROWS must be 1 to 1048575\n", stderr);
    return 2;
  }
  state = 20261207u;
  if (strcmp(argv[1], "xlsx") == 0) return write_xlsx((uint32_t)rows, argv[3], 0);
  if (strcmp(argv[1], "xlsx-styled") == 0) return write_xlsx((uint32_t)rows, argv[3], 1);
  if (strcmp(argv[1], "csv") == 0) return write_csv((uint32_t)rows, argv[3]);
  if (strcmp(argv[1], "xls") == 0) return write_xls((uint32_t)rows, argv[3]);
  fputs("make-contacts: the format is xlsx, xlsx-styled, csv or xls\n", stderr);
  return 2;
}
