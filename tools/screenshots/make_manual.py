#!/usr/bin/env python3
"""Builds the user manual Help/用户手册.mht from manual.html and the screenshots.

Usage: make_manual.py SCREENSHOT_FOLDER OUTPUT.mht

The screenshots are those nestling_screenshots writes. Every {{img:NAME|caption}} in manual.html
becomes a picture embedded as a base64 part of the MHTML file (referenced by cid:) with its caption.
"""
import base64
import html
import pathlib
import re
import sys

BOUNDARY = "----=_NestlingManual_Part_000"


def wrap(data: bytes) -> str:
    text = base64.b64encode(data).decode("ascii")
    return "\r\n".join(text[i:i + 76] for i in range(0, len(text), 76))


def main() -> int:
    if len(sys.argv) != 3:
        print(__doc__, file=sys.stderr)
        return 2
    shots = pathlib.Path(sys.argv[1])
    out = pathlib.Path(sys.argv[2])
    source = (pathlib.Path(__file__).parent / "manual.html").read_text(encoding="utf-8")
    images = []

    def picture(match: re.Match) -> str:
        name, caption = match.group(1), match.group(2)
        images.append(name)
        return (f'<img src="cid:{name}.png@nestling" alt="{html.escape(caption)}">'
                f'<div class="caption">{html.escape(caption)}</div>')

    page = re.sub(r"\{\{img:([\w-]+)\|([^}]*)\}\}", picture, source)
    subject = base64.b64encode("嘉禾起名软件 用户手册".encode("utf-8")).decode("ascii")
    parts = [
        "From: <Saved by Nestling>\r\n"
        f"Subject: =?utf-8?B?{subject}?=\r\n"
        "MIME-Version: 1.0\r\n"
        f'Content-Type: multipart/related; type="text/html"; boundary="{BOUNDARY}"\r\n'
        "\r\n"
        "This is a multi-part message in MIME format.\r\n",
        f"--{BOUNDARY}\r\n"
        'Content-Type: text/html; charset="utf-8"\r\n'
        "Content-Transfer-Encoding: base64\r\n"
        "Content-Location: file:///manual.html\r\n"
        "\r\n" + wrap(page.encode("utf-8")) + "\r\n",
    ]
    for name in dict.fromkeys(images):
        data = (shots / f"{name}.png").read_bytes()
        parts.append(
            f"--{BOUNDARY}\r\n"
            "Content-Type: image/png\r\n"
            "Content-Transfer-Encoding: base64\r\n"
            f"Content-ID: <{name}.png@nestling>\r\n"
            f"Content-Location: cid:{name}.png@nestling\r\n"
            "\r\n" + wrap(data) + "\r\n")
    parts.append(f"--{BOUNDARY}--\r\n")
    out.parent.mkdir(parents=True, exist_ok=True)
    out.write_bytes("".join(parts).encode("ascii"))
    print(f"wrote {out} ({len(images)} pictures)")
    return 0


if __name__ == "__main__":
    sys.exit(main())
