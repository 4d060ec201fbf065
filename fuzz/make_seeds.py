#!/usr/bin/env python3
"""Writes the generated seed files of fuzz/corpus/: reply frames as the unit
simulator sends them during a connect, a read-out and a transfer, block
replies, GBK names, HID report descriptors and INI texts. Seeds taken from
the test fixtures are copied by hand and not touched here. Run from the
repository root; it rewrites only the files it names."""
import os
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
write("ini_file", "fill_section", b"\x81[SaveObject]\nColor=255\nColorTo=65280\nGradientType=3\nOpacity=200\n"
      b"Rounding=8\nRoundingType=3\nShadowOffset=5\nPicture=424D3A\nPictureDataSize=3\nBorderColor=0\n"
      b"BorderWidth=2\nGlow=2\nAngle=45\n")
