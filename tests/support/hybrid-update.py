#!/usr/bin/env python3
"""Appends to a PDF an update of the hybrid kind: a cross-reference table whose trailer names, with XRefStm,
a cross-reference stream beside it, which alone lists a new document information dictionary (Title
"Hybrid") kept in an object stream. A reader of tables alone does not see that dictionary; a reader of
streams does.

    hybrid-update.py IN.pdf OUT.pdf
"""
import re
import struct
import sys

data = open(sys.argv[1], "rb").read()
trailer = data[data.rindex(b"trailer"):]
size = int(re.search(rb"/Size\s+(\d+)", trailer).group(1))
root = re.search(rb"/Root\s+(\d+\s+\d+\s+R)", trailer).group(1)
ident = re.search(rb"/ID\s*(\[[^\]]*\])", trailer)
previous = int(re.findall(rb"startxref\s+(\d+)", data)[-1])

stream, xrefs, info = size, size + 1, size + 2
out = bytearray(data if data.endswith(b"\n") else data + b"\n")
offsets = {}


def add(number, body):
    offsets[number] = len(out)
    out.extend(b"%d 0 obj\n%s\nendobj\n" % (number, body))


held = b"<< /Title (Hybrid) >>"
header = b"%d 0 " % info
add(stream, b"<< /Type /ObjStm /N 1 /First %d /Length %d >>\nstream\n%s%s\nendstream"
    % (len(header), len(header) + len(held), header, held))
rows = struct.pack(">BIH", 2, stream, 0)
add(xrefs, b"<< /Type /XRef /Size %d /W [1 4 2] /Index [%d 1] /Length %d >>\nstream\n%s\nendstream"
    % (info + 1, info, len(rows), rows))
table = len(out)
out.extend(b"xref\n%d 2\n" % stream)
for number in (stream, xrefs):
    out.extend(b"%010d 00000 n\r\n" % offsets[number])
out.extend(b"trailer\n<< /Size %d /Root %s /Info %d 0 R /Prev %d /XRefStm %d%s >>\nstartxref\n%d\n%%%%EOF\n"
           % (info + 1, root, info, previous, offsets[xrefs], b" /ID " + ident.group(1) if ident else b"", table))
open(sys.argv[2], "wb").write(out)
