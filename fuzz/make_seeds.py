#!/usr/bin/env python3
"""Writes the generated seed files of fuzz/corpus/: reply frames as the unit
simulator sends them during a connect, a read-out and a transfer, block
replies, GBK names, HID report descriptors and INI texts. Seeds taken from
the test fixtures are copied by hand and not touched here. Run from the
repository root; it rewrites only the files it names."""
import os
import struct
import struct

ROOT = os.path.join(os.path.dirname(os.path.abspath(__file__)), "corpus")


def write(target, name, data):
    folder = os.path.join(ROOT, target)
    os.makedirs(folder, exist_ok=True)
    with open(os.path.join(folder, name), "wb") as f:
        f.write(data)


def frame(code, payload=b"", unit=1):
    body = bytes([0x10, 0x02, unit, 0x00, len(payload) + 1, code]) + payload + b"\x10\x03"
    check = 0
    for b in body:
        check ^= b
    return body + bytes([check])


name = b"Default Preset"[:8]
connect = (frame(16) + frame(19, b"KRV-71 V010") + frame(44, bytes([0, 0, 0, 0, 0, 0, 7, 63, 1, 0])) +
           frame(34, bytes([1] + [0] * 29)) + frame(20, bytes([1])) + frame(41, bytes([0]) + name))
fir_blocks = b"".join(frame(86, bytes([0, 0, n]) + bytes([0xFF] * 4 + [0] * 44)) for n in range(3))
image_blocks = b"".join(frame(36, bytes([n]) + bytes(range(50))) for n in (0, 1, 20))
levels = frame(64, bytes(range(42)))
transfer = frame(89, bytes([1])) + frame(1) + frame(25, bytes(range(31))) + frame(40, bytes([1, 0]) + bytes(50))
garbage = b"\x00\x10\x10\x02\x01\x00\xff" + frame(16) + b"\x10\x02\x01\x00\x00" + frame(1)
other_unit = frame(16, unit=7) + frame(19, b"KRV-71 V010", unit=7)

for completeFrom, prefix in ((0, "serial"), (1, "usb")):
    for label, data in (("connect", connect), ("fir_blocks", fir_blocks), ("image_blocks", image_blocks),
                        ("levels", levels), ("transfer", transfer), ("garbage", garbage)):
        write("reply_framer", f"{prefix}_{label}", bytes([completeFrom]) + data)

# Setup bytes: link (0-3) | action << 2 | 0x20 process state | 0x40 bulk mode; state; argument; flags.
for label, setup, data in (("serial_connect", bytes([1, 0, 0, 1]), connect),
                           ("usb_connect", bytes([2, 0, 0, 1]), connect),
                           ("network_other_unit", bytes([3, 0, 0, 1]), other_unit + connect),
                           ("serial_fir_read", bytes([1 | 4 << 2, 0, 0, 1]), fir_blocks),
                           ("serial_preset_fir_read", bytes([1 | 4 << 2, 0, 3, 1]), fir_blocks),
                           ("serial_recall", bytes([1 | 2 << 2, 0, 2, 1]), frame(1) + image_blocks),
                           ("serial_store", bytes([1 | 1 << 2, 0, 4, 1]), frame(1) + frame(1) + frame(34, bytes(30))),
                           ("serial_upload", bytes([1 | 3 << 2, 0, 0, 1]), transfer),
                           ("usb_levels_unlock", bytes([2 | 0x20, 7, 0, 0]), levels + frame(45, bytes([0, 1]))),
                           ("serial_bulk", bytes([1 | 0x40, 0x10, 0, 1]), frame(89, bytes([1])) + frame(16)),
                           ("serial_garbage", bytes([1, 0, 0, 0]), garbage)):
    write("session_replies", label, setup + data)


def block(kind, payload):
    return bytes([kind, len(payload)]) + payload


upload = b"".join(block(0, bytes([n]) + bytes((n * 7 + i) & 0xFF for i in range(50))) for n in range(21))
fir = b"".join(block(1, bytes([0, 0, n]) + struct.pack("<12f", *[0.01 * i for i in range(12)])) for n in range(4))
fir_identity = block(1, bytes([0, 0, 0]) + b"\xff" * 4 + bytes(44)) + block(1, bytes([0, 0, 236]) + bytes(48))
write("unit_blocks", "upload_all", upload)
write("unit_blocks", "fir_area_start", fir)
write("unit_blocks", "fir_identity_skip", fir_identity)
write("unit_blocks", "mixed_short", block(0, bytes([21])) + block(1, bytes([0])) + block(0, bytes([20]) + bytes(19)))

write("gbk", "ascii", b"Default Preset")
write("gbk", "chinese_name", "主输出左".encode("gbk") + b"\x00tail")
write("gbk", "mixed", "In A 低音 ".encode("gbk") + b"\x81\x30\xff\xfe")
write("gbk", "utf16_text", "Out 1 高音 €".encode("utf-16-le"))

write("hid_descriptor", "vendor_64", bytes([0x06, 0x00, 0xFF, 0x09, 0x01, 0xA1, 0x01, 0x15, 0x00, 0x26, 0xFF, 0x00,
                                            0x75, 0x08, 0x95, 0x40, 0x09, 0x01, 0x81, 0x02, 0x95, 0x40, 0x09, 0x01,
                                            0x91, 0x02, 0xC0]))
write("hid_descriptor", "report_ids_push_pop", bytes([0x05, 0x01, 0x09, 0x06, 0xA1, 0x01, 0x85, 0x01, 0xA4, 0x75,
                                                      0x01, 0x95, 0x08, 0x81, 0x02, 0xB4, 0x85, 0x02, 0x75, 0x08,
                                                      0x95, 0x03, 0xB1, 0x02, 0xA1, 0x02, 0xC0, 0xC0]))
write("hid_descriptor", "long_item", bytes([0xFE, 0x02, 0x10, 0xAA, 0xBB, 0x09, 0x01, 0xA1, 0x01, 0xC0]))

write("ini_file", "utf8_settings", b"\x01[Options]\nLanguage=English\nUnitId=0x1F\nScale=1.5\nShown=1\n"
      b"Day=2026-12-10\nAt=21:05:00.250\nWhen=2026-12-10T21:05:00.250\n; comment\n[Data]\nBlob=00FF10\n")
write("ini_file", "utf16_bom", b"\x02" + "\ufeff[A]\r\nKey=值\r\n[a]\r\nkey=again\r\n".encode("utf-16-le"))
write("ini_file", "gbk_default", b"\x00" + "[名字]\nname=低音\n".encode("gbk"))
write("fill_persistence", "fill_section", b"\x00[SaveObject]\nColor=255\nColorTo=65280\nGradientType=3\nOpacity=200\n"
      b"Rounding=8\nRoundingType=3\nShadowOffset=5\nPicture=424D3A\nPictureDataSize=3\nBorderColor=0\n"
      b"BorderWidth=2\nGlow=2\nAngle=45\n")

# FIR coefficient files: capacity selector, then the text.
write("fir_coefficients", "column_crlf", b"\x00" + b"".join(b"%.9f\r\n" % (0.001 * i) for i in range(40)))
write("fir_coefficients", "commas_tabs", b"\x01" + b"0.5,-0.25\t1e-3,\n+.75e+1 ,  -0\n")
write("fir_coefficients", "utf16_bom", b"\x02" + "\ufeff0.1\r\n0.2\r\n-0.3\r\n".encode("utf-16-le"))
write("fir_coefficients", "overlong", b"\x03" + b"1\n2\n3\n")
write("fir_coefficients", "refused", b"\x00" + b"0.1\nabc\n")

# Typed value entry: kind, min, max, position (16 bits each), delay unit, then the text.
for kind, lo, hi, pos, unit, text in ((0, 0, 400, 280, 0, b"-3.5"), (1, 0, 180, 90, 0, b"-20"),
                                       (3, 0, 999, 9, 0, b"150ms"), (4, 0, 15, 3, 0, b"4:1"),
                                       (5, 0, 15, 3, 0, b"1 : 8.5"), (6, 0, 20, 5, 0, b"Max"),
                                       (8, 0, 300, 100, 0, b"1.2k"), (10, 0, 127, 40, 0, b"0.707"),
                                       (11, 0, 240, 120, 0, b"+6,5"), (12, 0, 32000, 480, 1, b"3.43"),
                                       (12, 0, 32000, 480, 2, b"99999999999999999999")):
    write("typed_value", f"kind{kind}_unit{unit}", bytes([kind]) + struct.pack("<hhhB", lo, hi, pos, unit) + text)

# Splash markup: font and options, hit point, then the markup.
for label, markup in (("font_break", '<FONT size="20" color="clWhite">Loading Program....</FONT><br>'),
                      ("anchor_image", '<a href="x">link</a> <IMG src="IDX:0"> <b>bold</b><i>it</i><u>u</u>'),
                      ("entities_shadow", '<SHAD>&amp;lt;&gt;&nbsp;</SHAD><P align="center">centre</P><HR>'),
                      ("lists", '<UL><LI>one<LI>two</UL><BLINK>b</BLINK><SUB>2</SUB><SUP>3</SUP><s>s</s>'),
                      ("cut_tag", 'ab<FONT size=20 and a long tail without an end')):
    write("splash_markup", label, bytes([0x85, 40, 20]) + markup.encode())

# The settings store's file.
write("registry_store", "typed_values", b"; krv71-editor settings\r\n\r\n[]\r\n\r\n[Software\\KRV\\Editor]\r\n"
      b'@="default"\r\n"Language"="English"\r\n"Count"=dword:0000001f\r\n"Blob"=hex:00,ff,10\r\n'
      b'"Other"=hex(7):41,00,00,00\r\n"Quoted \\"name\\""="a\\\\b"\r\n\r\n[Software\\KRV\\Editor\\Sub]\r\n')
write("registry_store", "themes_key", b'[SOFTWARE\\Vivove\\Themes]\n"User Defined Theme Path"="/tmp/themes"\n'
      b"[software\\vivove\\THEMES]\n\"x\"=dword:zz\n[\\\\A\\\\\\B\\]\n")


def scheme_file(categories):
    return b"<SchemeTypes>\r\n" + categories + b"</SchemeTypes>\r\n"


def category(name, schemes):
    return b"<SchemeType>\r\n<Name>" + name + b"</Name>\r\n" + schemes + b"</SchemeType>\r\n"


def scheme(name, properties):
    return b"<Scheme>\r\n<Name>" + name + b"</Name>\r\n<Properties>\r\n" + properties + b"</Properties>\r\n</Scheme>\r\n"


write("theme_file", "two_categories", scheme_file(
    category(b"Dark", scheme(b"Night", b"<OuterMarginLeft>9</OuterMarginLeft>\r\n<BackGroundColor>0</BackGroundColor>\r\n")) +
    category(b"Light", scheme(b"Day", b""))))
write("theme_file", "values_and_refusal", scheme_file(category(b"Looks", scheme(
    b"Big", b"<TitleFont.Size>12</TitleFont.Size>\r\n<TitleText></TitleText>\r\n<HintsShow>False</HintsShow>\r\n"
            b"<PrintMarginLeft>0.5</PrintMarginLeft>\r\n") + scheme(
    b"Bad", b"<OuterMarginLeft>12</OuterMarginLeft>\r\n<OuterMarginTop>wide</OuterMarginTop>\r\n"))))
write("theme_file", "cut_short", b"<SchemeTypes>\r\n<SchemeType>\r\n<Name>Half</Name>\r\n<Scheme>\r\n<Name>S</Name>")


def with_words(data, words):
    """The bytes with 16-bit words (offset, value) put in, low byte first."""
    out = bytearray(data)
    for offset, value in words:
        out[offset:offset + 2] = struct.pack("<H", value)
    return bytes(out)


def read_seed(target, name):
    with open(os.path.join(ROOT, target, name), "rb") as f:
        return f.read()


# Tap words above the channel, as a unit may report them: InB 3000, Out1
# (type 4) 3000 and Out2 (type 0) 1025, all with coefficients. Setting-file
# image byte n lies at file offset n + 14; a unit-file record's at record
# offset n + 1 (record 2 at file offset 47 + 50161).
write("setting_file", "taps_above_channel.prs",
      with_words(read_seed("setting_file", "coefficients.prs"), ((198, 3000), (330, 3000), (434, 1025))))
record = 47 + 50161
write("unit_file", "taps_above_channel.unt",
      with_words(read_seed("unit_file", "one_preset.unt"),
                 ((record + 185, 3000), (record + 317, 3000), (record + 421, 1025))))

# An output of a designed FIR (Out3, type 2) with tap word 0 whose channel
# holds 1.0 and 0.5: the upload keeps those two coefficients whatever the
# tap word.
out3_type = record + 519
out3_words = record + 1007 + 4 * (3 * 2048 + 2 * 1024)
two_kept = bytearray(read_seed("unit_file", "one_preset.unt"))
two_kept[out3_type] = 2
two_kept[out3_type + 6:out3_type + 8] = b"\x00\x00"
two_kept[out3_words:out3_words + 4096] = struct.pack("<ff", 1.0, 0.5) + b"\xff" * 4088
write("unit_file", "designed_two_coefficients.unt", bytes(two_kept))
