#!/usr/bin/env python3
"""Writes the seed corpus of the program fuzzer (fuzz/corpus/inkstamp).

Each seed is one input as fuzz_scenario.cc reads it: the arguments, then
commands that set up the fake client library. The seeds cover each way a run
can end and the library's awkward answers, so that the fuzzer starts from
complete runs rather than having to discover the command line first.

    python3 fuzz/make_inkstamp_seeds.py [DIRECTORY]
"""

import os
import struct
import sys

# Command bytes, in fuzz_scenario.cc's order.
(API_VERSION, CONNECT_FAILURES, RELEASE_CHECK, SERVER_INFO_FAILS, SERVER_INFO_BYTES,
 LOAD_USER_FAILS, USER_RECORD_BYTES, FAX_LIST_FAILS, SORT_FAILS, ELEMENT, RAW_ELEMENT,
 ELEMENT_COPIES, ELEMENT_REQUEST_FAILS, LOAD_FAX_FAILS, MARK_FAILS, ERROR_TEXT,
 UNTERMINATED_ERROR_TEXTS, SERVER_HANDLE) = range(18)

RECEIVED, VIEWED = 0x10, 0x04


def arguments(*words):
    block = b"\0".join(w.encode("latin-1") if isinstance(w, str) else w for w in words)
    return struct.pack("<H", len(block)) + block


def record_bytes(command, offset, data):
    return bytes([command]) + struct.pack("<HH", offset, len(data)) + data


def server(description=b"Main fax server", tz=(2, 300, 0, -60)):
    state, bias, standard, daylight = tz
    return (record_bytes(SERVER_INFO_BYTES, 12, description + b"\0") +
            record_bytes(SERVER_INFO_BYTES, 396, struct.pack("<hi", state, bias)) +
            record_bytes(SERVER_INFO_BYTES, 482, struct.pack("<i", standard)) +
            record_bytes(SERVER_INFO_BYTES, 566, struct.pack("<i", daylight)))


def user(qualifier=b"FAXDOM", user_id=b"ALICE", name=b"Alice Smith"):
    return (record_bytes(USER_RECORD_BYTES, 6, qualifier + b"\0") +
            record_bytes(USER_RECORD_BYTES, 32, user_id + b"\0") +
            record_bytes(USER_RECORD_BYTES, 54, name + b"\0"))


def element(handle, fax_id, flags=RECEIVED, date=0, pages=1, error_code=0):
    return (bytes([ELEMENT]) + struct.pack("<IIiHH", handle, flags, date, pages & 0xFFFF,
                                           error_code) +
            bytes([len(fax_id)]) + fax_id)


def command(code, fmt="", *values):
    return bytes([code]) + struct.pack("<" + fmt, *values)


def error_text(code, text):
    return command(ERROR_TEXT, "iH", code, len(text)) + text


FAXES = (element(31, b"APP0438B2C87FE62B9", RECEIVED | VIEWED, 1228521600, 3) +
         element(32, b"B000409E2", 0, 1228435200, 1) +
         element(33, b"BDF0412A7C3E9A001", RECEIVED, -5, -1, 5) +
         element(34, b"b000409e2", RECEIVED, 1228521600, 2, 7))

COMPLETE = ("-s", "faxsrv", "-u", "alice")

SEEDS = {
    "marks_two_patterns": arguments(*COMPLETE, "-mp", "-mb", "APP*", "B0004*") + server() +
    user() + FAXES,
    "sorted_reversed_received": arguments("-tr", "-R", *COMPLETE, "-mv", "-nr", "-n2", "*") +
    server() + user() + FAXES + command(ELEMENT_REQUEST_FAILS, "Hi", 3, 9),
    "sorted_sort_refused": arguments("-t", "-a", *COMPLETE, "-ma", "*") + server() + user() +
    FAXES + command(SORT_FAILS, "i", 1),
    "load_and_mark_faults": arguments(*COMPLETE, "-S", "-m1", "-m2", "-mr", "*") + server() +
    user() + FAXES + command(LOAD_FAX_FAILS, "Ii", 32, 5) + command(MARK_FAILS, "IHi", 31, 12, 3),
    "fax_list_refused": arguments(*COMPLETE, "-np", "*") + server() + user() +
    command(FAX_LIST_FAILS, "i", 4),
    "no_such_user": arguments(*COMPLETE, "-nv", "*") + server() + command(LOAD_USER_FAILS, "i", 4),
    "no_server_info": arguments(*COMPLETE, "-na", "*") + command(SERVER_INFO_FAILS, "i", 3),
    "release_refused": arguments(*COMPLETE, "-mp", "*") + command(CONNECT_FAILURES, "Bi", 2, 2) +
    command(RELEASE_CHECK, "i", 8),
    "never_connects_long_error": arguments(*COMPLETE, "-mp", "*") +
    command(CONNECT_FAILURES, "Bi", 5, 77) + error_text(77, b"E" * 700),
    "never_connects_unterminated": arguments(*COMPLETE, "-mp", "*") +
    command(CONNECT_FAILURES, "Bi", 9, -1) + command(UNTERMINATED_ERROR_TEXTS) +
    command(API_VERSION, "i", -1),
    "unterminated_records": arguments(*COMPLETE, "-mp", "?*") +
    record_bytes(SERVER_INFO_BYTES, 12, b"D" * 384) + record_bytes(USER_RECORD_BYTES, 0, b"Q" * 1902) +
    command(RAW_ELEMENT, "B", 255) + b"\xff" * 255,
    "many_faxes_all_stars": arguments(*COMPLETE, "-m1", "***", "APP*") + server() + user() +
    element(1000, b"F000001", 0, 7) + command(ELEMENT_COPIES, "H", 600),
    "hostile_ids": arguments(*COMPLETE, "-mp", b"*\x01*", b"\xc9*", "%s%n*") + server() + user() +
    element(1, bytes(range(1, 84))) + element(2, bytes(range(172, 255))) +
    element(3, b"%s%n%p\\\"\n") + element(4, b"\xe9\x01x"),
    "help": arguments("-s", "faxsrv", "-HELP"),
    "refused_options": arguments("-mp", "-np", "*"),
    "missing_patterns": arguments(*COMPLETE, "-mp"),
    "host_taken_as_value": arguments("-s", "-u", "x", "/?"),
}


def main():
    here = os.path.dirname(os.path.abspath(__file__))
    directory = sys.argv[1] if len(sys.argv) > 1 else os.path.join(here, "corpus", "inkstamp")
    os.makedirs(directory, exist_ok=True)
    for name, data in SEEDS.items():
        with open(os.path.join(directory, name), "wb") as seed:
            seed.write(data)


if __name__ == "__main__":
    main()
