#!/usr/bin/env python3
"""The comparison a user would script without quorrel-cli, for scripts/bench
to time against it: parse both parameter strings with parse_qsl and compare
them as dicts. Exit status 0 when equal, 1 when not."""
import sys
from urllib.parse import parse_qsl


def parameters(path):
    with open(path, encoding="utf-8") as file:
        return dict(parse_qsl(file.read().rstrip("\n"), keep_blank_values=True))


sys.exit(0 if parameters(sys.argv[1]) == parameters(sys.argv[2]) else 1)
