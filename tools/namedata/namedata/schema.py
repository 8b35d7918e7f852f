"""The table layouts of namedata.db (the nine naming tables and XW_名字品鉴), in their fixed order,
read from data-src/tables.txt: the one file that gives them, which the program's build reads as well.

TABLES holds (name, [(column, (type, length)), ...]) per table; row_type(name) is the named tuple
of one row of the table, its fields the column names in table order, so the table builders fill
every column by its name."""
import collections
import os

LAYOUT_FILE = os.path.join(os.path.dirname(os.path.dirname(os.path.dirname(os.path.dirname(
    os.path.abspath(__file__))))), "data-src", "tables.txt")


def read_layouts(path=LAYOUT_FILE):
    """The tables of the layout file: a "table NAME CONSTANT NAMESPACE" line, then one line a column
    ("NAME TYPE LENGTH CONSTANT"); a table without column lines has the columns of the table
    before it."""
    tables = []
    with open(path, encoding="utf-8") as f:
        for number, line in enumerate(f, 1):
            words = line.split()
            if not words or words[0].startswith("#"):
                continue
            if words[0] == "table" and len(words) == 4:
                tables.append((words[1], []))
            elif line[0] in " \t" and len(words) == 4 and words[2].isdigit() and tables:
                tables[-1][1].append((words[0], (words[1], int(words[2]))))
            else:
                raise RuntimeError(f"{path}:{number}: malformed line {line.rstrip()!r}")
    for i, (name, cols) in enumerate(tables):
        if not cols:
            if i == 0:
                raise RuntimeError(f"{path}: table {name} has no columns")
            tables[i] = (name, tables[i - 1][1])
    return tables


TABLES = read_layouts()
_ROW_TYPES = {name: collections.namedtuple("Row_" + name, [c for c, _ in cols]) for name, cols in TABLES}


def row_type(name):
    """The named tuple of a row of the table: Row(Id=1, 汉字="涵", ...)."""
    return _ROW_TYPES[name]


def create_sql(name, columns):
    return "create table %s (%s)" % (
        name, ",".join("%s %s(%d)" % (c, t, n) for c, (t, n) in columns))

