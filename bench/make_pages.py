#!/usr/bin/env python3
"""Writes a PDF of N pages for bench/pathbench: usage make_pages.py PAGES flat|nested OUT.

The MediaBox sits on the root Pages node only, so every page inherits it; every seventh page is turned
by 90 degrees; each page draws one line of text with a font all pages share, so the file has the
objects a real document has. The cross-reference table gives each object's true offset.
"""
import sys

WIDTH = 10  # Kids of each Pages node in the nested shape


def build(pages, nested):
    # objects[i] is the body of object i + 1; a stream body is already complete.
    objects = [
        b"<< /Type /Catalog /Pages 4 0 R >>",
        b"<< /Type /Font /Subtype /Type1 /BaseFont /Helvetica /Encoding /WinAnsiEncoding >>",
        b"<< /Font << /F1 2 0 R >> /ProcSet [/PDF /Text] >>",
    ]
    page_number = [0]

    def add_tree(count, parent):
        own = len(objects) + 1
        objects.append(None)  # filled in once the Kids are known
        kids = []
        if count <= (WIDTH if nested else count):
            for _ in range(count):
                page_number[0] += 1
                n = page_number[0]
                page = len(objects) + 1
                content = page + 1
                rotate = b" /Rotate 90" if n % 7 == 0 else b""
                objects.append(b"<< /Type /Page /Parent %d 0 R /Resources 3 0 R /Contents %d 0 R%s >>"
                               % (own, content, rotate))
                text = b"BT /F1 12 Tf 72 720 Td (Page %d of the path benchmark) Tj ET\n" % n
                objects.append(b"<< /Length %d >>\nstream\n%sendstream" % (len(text), text))
                kids.append(page)
        else:
            chunk = -(-count // WIDTH)
            done = 0
            while done < count:
                kids.append(add_tree(min(chunk, count - done), own))
                done += chunk
        tail = b" /MediaBox [0 0 612 792]" if parent == 0 else b" /Parent %d 0 R" % parent
        objects[own - 1] = (b"<< /Type /Pages /Kids [" + b" ".join(b"%d 0 R" % k for k in kids) +
                            b"] /Count %d%s >>" % (count, tail))
        return own

    assert add_tree(pages, 0) == 4
    return objects


def write(path, objects):
    out = bytearray(b"%PDF-1.7\n%\xe2\xe3\xcf\xd3\n")
    offsets = []
    for number, body in enumerate(objects, 1):
        offsets.append(len(out))
        out += b"%d 0 obj\n%s\nendobj\n" % (number, body)
    xref = len(out)
    out += b"xref\n0 %d\n0000000000 65535 f\r\n" % (len(objects) + 1)
    out += b"".join(b"%010d 00000 n\r\n" % offset for offset in offsets)
    out += b"trailer\n<< /Size %d /Root 1 0 R >>\nstartxref\n%d\n%%%%EOF\n" % (len(objects) + 1, xref)
    with open(path, "wb") as f:
        f.write(out)


def main():
    if len(sys.argv) != 4 or sys.argv[2] not in ("flat", "nested"):
        sys.exit("usage: make_pages.py PAGES flat|nested OUT")
    write(sys.argv[3], build(int(sys.argv[1]), sys.argv[2] == "nested"))


if __name__ == "__main__":
    main()
