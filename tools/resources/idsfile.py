"""Reads app/ids.h, the program's ids and screen geometry, so the pictures are painted for
the places the program draws them.

The header keeps to the form described at its top: blank lines, // comments, #pragma once,
`#define NAME VALUE`, and tables `#define NAME \\` whose continued lines are rows
`ROW(value, ...)`. A value is a whole number, a name defined above, or a parenthesised sum,
difference or product of those. Anything else is an error, so a header this reader would
misread stops the generator instead of giving pictures for the wrong places."""
import ast
import os
import re

ROOT = os.path.dirname(os.path.dirname(os.path.dirname(os.path.abspath(__file__))))
IDS_H = os.path.join(ROOT, "app", "ids.h")

_DEFINE = re.compile(r"#define\s+([A-Za-z_]\w*)\s+(.+)$")
_ROW = re.compile(r"\s*([A-Za-z_]\w*)\s*\(([^()]*)\)")
_OPERATORS = (ast.Add, ast.Sub, ast.Mult)


class IdsError(ValueError):
    pass


def evaluate(text, names):
    """The value of one header value, with `names` the numbers defined so far."""
    try:
        tree = ast.parse(text.strip(), mode="eval")
    except SyntaxError:
        raise IdsError("not a value: %r" % text) from None

    def value(node):
        if isinstance(node, ast.Constant) and type(node.value) is int:
            return node.value
        if isinstance(node, ast.Name):
            if node.id not in names:
                raise IdsError("%s is not defined above its use in %r" % (node.id, text))
            return names[node.id]
        if isinstance(node, ast.BinOp) and isinstance(node.op, _OPERATORS):
            a, b = value(node.left), value(node.right)
            return a + b if isinstance(node.op, ast.Add) else a - b if isinstance(node.op, ast.Sub) else a * b
        if isinstance(node, ast.UnaryOp) and isinstance(node.op, ast.USub):
            return -value(node.operand)
        raise IdsError("not a value: %r" % text)

    return value(tree.body)


def _logical_lines(text):
    """(first line number, text) of each line after joining lines that end in a backslash,
    without // comments."""
    pending, start = [], None
    for number, line in enumerate(text.splitlines(), 1):
        line = line.split("//", 1)[0].rstrip()
        if start is None:
            start = number
        if line.endswith("\\"):
            pending.append(line[:-1])
            continue
        pending.append(line)
        yield start, pending
        pending, start = [], None
    if pending:
        raise IdsError("line %d: the last line ends in a backslash" % start)


def parse_ids(text):
    """({name: number}, {table name: [(row macro, (values...)), ...]}) of a header's text."""
    names, tables = {}, {}
    for number, parts in _logical_lines(text):
        head = parts[0].strip()
        if not head and len(parts) == 1:
            continue
        if head == "#pragma once" and len(parts) == 1:
            continue
        m = _DEFINE.match(head) if len(parts) == 1 else re.match(r"#define\s+([A-Za-z_]\w*)\s*$", head)
        if not m:
            raise IdsError("line %d: not a #define, a table or a comment: %r" % (number, head))
        name = m.group(1)
        if name in names or name in tables:
            raise IdsError("line %d: %s is defined twice" % (number, name))
        if len(parts) == 1:
            try:
                names[name] = evaluate(m.group(2), names)
            except IdsError as e:
                raise IdsError("line %d: %s" % (number, e)) from None
            continue
        rows = []
        for offset, row in enumerate(parts[1:], 1):
            r = _ROW.fullmatch(row.rstrip())
            if not r:
                raise IdsError("line %d: not a table row: %r" % (number + offset, row.strip()))
            try:
                rows.append((r.group(1), tuple(evaluate(v, names) for v in r.group(2).split(","))))
            except IdsError as e:
                raise IdsError("line %d: %s" % (number + offset, e)) from None
        tables[name] = rows
    return names, tables


def read_ids(path=IDS_H):
    with open(path, encoding="ascii") as f:
        return parse_ids(f.read())
