# SPDX-License-Identifier: MIT
"""docs/calc.png: a sheet of amounts with USLOVA() beside them, computed by headless Calc and
turned into a picture: Calc exports PDF, and pdftoppm (poppler-utils) a PNG of its page.

Usage: calc_picture.py EXTENSIONS_DIR OUT.png   (PYTHONPATH and USLOVA_LIBRARY as for the tests)"""

import os
import subprocess
import sys
import tempfile
from xml.sax.saxutils import escape, quoteattr

sys.path.insert(0, os.path.join(os.path.dirname(os.path.abspath(__file__)), "..", "tests"))
from calc_test import FUNCTION  # noqa: E402

ROWS = [  # the amount as a cell, and the formula's arguments after it
    ("float", "15000", '"RSD"'), ("string", "1.234,56", '"RSD"'),
    ("float", "2021.5", '"EUR";"script=latin"'), ("float", "1600", '"USD";"forms=short"'),
    ("float", "7654", ''), ("string", "dogovor", '"RSD"'),
]


def sheet():
    def cell(kind, value, style="Tekst"):
        if kind == "float":
            return (f'<table:table-cell table:style-name="{style}" office:value-type="float" '
                    f'office:value="{value}"><text:p>{value}</text:p></table:table-cell>')
        if kind == "formula":
            return f'<table:table-cell table:style-name="{style}" table:formula={quoteattr(value)}/>'
        return (f'<table:table-cell table:style-name="{style}" office:value-type="string">'
                f"<text:p>{escape(value)}</text:p></table:table-cell>")
    rows = ["<table:table-row>" + cell("string", "Iznos", "Naslov") +
            cell("string", "Formula", "Naslov") + cell("string", "Slovima", "Naslov") +
            "</table:table-row>"]
    for n, (kind, value, arguments) in enumerate(ROWS, start=2):
        shown = f"=USLOVA(A{n}" + (";" + arguments if arguments else "") + ")"
        rows.append("<table:table-row>" + cell(kind, value) + cell("string", shown) +
                    cell("formula", f"of:={FUNCTION}([.A{n}]" +
                         (";" + arguments if arguments else "") + ")") + "</table:table-row>")
    return f"""<?xml version="1.0" encoding="UTF-8"?>
<office:document xmlns:office="urn:oasis:names:tc:opendocument:xmlns:office:1.0"
 xmlns:style="urn:oasis:names:tc:opendocument:xmlns:style:1.0"
 xmlns:fo="urn:oasis:names:tc:opendocument:xmlns:xsl-fo-compatible:1.0"
 xmlns:table="urn:oasis:names:tc:opendocument:xmlns:table:1.0"
 xmlns:text="urn:oasis:names:tc:opendocument:xmlns:text:1.0"
 xmlns:of="urn:oasis:names:tc:opendocument:xmlns:of:1.2" office:version="1.2"
 office:mimetype="application/vnd.oasis.opendocument.spreadsheet">
<office:automatic-styles>
 <style:style style:name="A" style:family="table-column"><style:table-column-properties style:column-width="2.4cm"/></style:style>
 <style:style style:name="B" style:family="table-column"><style:table-column-properties style:column-width="7.6cm"/></style:style>
 <style:style style:name="C" style:family="table-column"><style:table-column-properties style:column-width="17cm"/></style:style>
 <style:style style:name="Tekst" style:family="table-cell"><style:table-cell-properties fo:border="0.5pt solid #b0b0b0" fo:padding="0.08cm"/><style:text-properties fo:font-size="10pt"/></style:style>
 <style:style style:name="Naslov" style:family="table-cell"><style:table-cell-properties fo:background-color="#dde8f3" fo:border="0.5pt solid #b0b0b0" fo:padding="0.08cm"/><style:text-properties fo:font-size="10pt" fo:font-weight="bold"/></style:style>
 <style:page-layout style:name="Strana"><style:page-layout-properties fo:page-width="29cm" fo:page-height="5.2cm" fo:margin="0.4cm" style:print-orientation="landscape"/></style:page-layout>
</office:automatic-styles>
<office:master-styles><style:master-page style:name="Default" style:page-layout-name="Strana"><style:header style:display="false"/><style:footer style:display="false"/></style:master-page></office:master-styles>
<office:body><office:spreadsheet><table:table table:name="Racuni">
<table:table-column table:style-name="A"/><table:table-column table:style-name="B"/><table:table-column table:style-name="C"/>
{"".join(rows)}
</table:table></office:spreadsheet></office:body></office:document>"""


def main():
    extensions, out = sys.argv[1], sys.argv[2]
    with tempfile.TemporaryDirectory() as work:
        with open(os.path.join(work, "racuni.fods"), "w", encoding="utf-8") as f:
            f.write(sheet())
        subprocess.run(["soffice", f"-env:UserInstallation=file://{work}/profile",
                        f"-env:BUNDLED_EXTENSIONS=file://{os.path.abspath(extensions)}",
                        "--headless", "--convert-to", "pdf", "--outdir", work,
                        os.path.join(work, "racuni.fods")], check=True, capture_output=True)
        base = os.path.splitext(os.path.abspath(out))[0]
        subprocess.run(["pdftoppm", "-png", "-r", "80", "-singlefile",
                        os.path.join(work, "racuni.pdf"), base], check=True)


if __name__ == "__main__":
    main()
