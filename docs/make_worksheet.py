#!/usr/bin/python3
"""The worksheet as one page to print or hand out: docs/lesson.md in HTML, its pictures inside.

    make_worksheet.py lesson.md lesson.html

Uses Debian's python3-markdown. The pictures are embedded as data URIs, so the one file can be
copied to a school drive or mailed and still shows them."""
import base64
import html
import pathlib
import re
import sys

import markdown

STYLE = """
body { font: 11pt/1.45 sans-serif; max-width: 46em; margin: 2em auto; padding: 0 1em; }
img { display: block; width: 300px; image-rendering: pixelated; }
pre, code { font-family: "DejaVu Sans Mono", monospace; font-size: 9.5pt; white-space: pre-wrap; overflow-wrap: anywhere; }
h2 { break-before: page; }
h3, img { break-after: avoid; break-inside: avoid; }
"""


def main(source: str, target: str) -> None:
    path = pathlib.Path(source)
    body = markdown.markdown(path.read_text(encoding="utf-8"))

    def embedded(match: re.Match) -> str:
        picture = path.parent / html.unescape(match.group(1))
        data = base64.b64encode(picture.read_bytes()).decode("ascii")
        return f'src="data:image/png;base64,{data}"'

    body = re.sub(r'src="([^":]+\.png)"', embedded, body)
    title = re.search(r"<h1>(.*?)</h1>", body)
    page = (
        '<!DOCTYPE html>\n<html lang="en">\n<head>\n<meta charset="utf-8">\n'
        f"<title>{title.group(1) if title else 'Worksheet'}</title>\n"
        f"<style>{STYLE}</style>\n</head>\n<body>\n{body}\n</body>\n</html>\n"
    )
    pathlib.Path(target).write_text(page, encoding="utf-8")


if __name__ == "__main__":
    main(*sys.argv[1:3])
