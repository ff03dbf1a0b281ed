#!/usr/bin/env python3
"""Fails when a string literal that reads like a user's text is not given to Qt's translation.

A literal counts as user text when it holds two words of letters separated by a space
("Moon rise"), is one capitalised word ("Close") or a caption ending in a colon ("R.A.:"), or
ends a sentence ("Saved."); style sheets and file names do not. It is marked when it sits
inside the parentheses of tr(, translate(, QT_TR_NOOP(, QT_TRANSLATE_NOOP( and the like.
Other literals pass when they name something (setObjectName("Main"), a font), are a one-word
key ({"Key", value}, o["Key"]), or their text is in ALLOWED below; and when their line ends
with the comment `// not user text`, or the line before is a comment that starts so.
Includes, `#if 0` blocks and comments are not read.

Usage: check_unmarked.py ROOT DIR... (DIR relative to ROOT; .cpp and .h files are read)
"""
import os
import re
import sys

# Texts that are not shown to the user although they read like words.
ALLOWED = {
    "Arial", "Times New Roman", "Liberation Serif", "Liberation Sans",  # font families
    "Crescendar",  # the program's name
}

MARKER = "not user text"
TRANSLATING = {"tr", "translate", "QT_TR_NOOP", "QT_TR_N_NOOP", "QT_TRANSLATE_NOOP",
               "QT_TRANSLATE_N_NOOP", "QT_TRANSLATE_NOOP3"}
# Calls whose text arguments are names, not texts (the wrapping QStringLiteral and the like
# are looked through).
NAMING = {"setObjectName", "SetFontName", "QFont", "findChild", "findChildren", "objectName",
          "static_assert"}
WRAPPING = {"QStringLiteral", "QLatin1String", "QLatin1StringView", "QString", "fromLatin1",
            "fromUtf8", "QStringView", ""}
# A build tool for the documentation, not shipped.
SKIPPED_FILES = {"app/screenshot_main.cpp"}

TWO_WORDS = re.compile(r"[A-Za-z]{2,}[,.;:!?]?\s+[A-Za-z(%]")
CAPITALISED = re.compile(r"^[A-Z][a-z]{2,}[.:!?]*$|^[A-Z][a-z]+ |^[A-Z][A-Za-z./]*:\s*$")
SENTENCE_END = re.compile(r"[a-z]{2,}[.!?]$")


def looks_like_user_text(text):
    text = text.replace("\\n", " ").replace("\\t", " ").replace("\\u2026", "...")
    if re.fullmatch(r"[\w.\-/]*\.(ini|png|jpg|json|ics|csv|txt|htm|html|qm|ts|svg)", text):
        return False
    if re.search(r"^\s*[a-z-]+:\s*[^;]*;|\{|\}", text):
        return False  # a style sheet
    return bool(TWO_WORDS.search(text) or CAPITALISED.search(text) or SENTENCE_END.search(text))


def literals(source):
    """Yields (line number, text, passed) for each string literal of a C++ source.

    passed is true when an enclosing parenthesis was opened by a translating call, or the
    literal is the argument of a call that takes a name."""
    i, n, line = 0, len(source), 1
    stack = []  # for each open parenthesis: the identifier before it
    last_word = ""
    previous = ""  # the last character that is neither blank nor part of a comment
    while i < n:
        c = source[i]
        if not c.isspace() and not source.startswith("//", i) and not source.startswith("/*", i):
            if c != '"' and not (c == "R" and source.startswith('R"', i)):
                previous = c
        if c == "\n":
            line += 1
            i += 1
        elif source.startswith("//", i):
            j = source.find("\n", i)
            i = n if j < 0 else j
        elif source.startswith("/*", i):
            j = source.find("*/", i + 2)
            j = n if j < 0 else j + 2
            line += source.count("\n", i, j)
            i = j
        elif c == "#" and (i == 0 or source[:i].rstrip(" \t").endswith("\n") or source[:i].strip() == ""):
            # A preprocessor line (with its continuations): includes and defines are not texts.
            j = i
            while True:
                k = source.find("\n", j)
                if k < 0:
                    k = n
                    break
                if source[k - 1] != "\\":
                    break
                j = k + 1
            directive = source[i:k]
            line += directive.count("\n")
            if re.match(r"#\s*if\s+0\b", directive):
                depth, m = 1, k
                while depth and m < n:
                    nxt = source.find("\n", m + 1)
                    nxt = n if nxt < 0 else nxt
                    text = source[m + 1:nxt].strip()
                    if re.match(r"#\s*if", text):
                        depth += 1
                    elif re.match(r"#\s*endif", text):
                        depth -= 1
                    line += 1
                    m = nxt
                k = m
            i = k
        elif c == '"' or (c == "R" and source.startswith('R"', i)
                          and not (i and (source[i - 1].isalnum() or source[i - 1] == "_"))):
            start_line = line
            if c == "R":
                m = re.match(r'R"([^(\s]*)\(', source[i:])
                end = source.find(")" + m.group(1) + '"', i)
                text = source[i + m.end():end]
                i = end + len(m.group(1)) + 2
            else:
                j = i + 1
                while source[j] != '"':
                    j += 2 if source[j] == "\\" else 1
                text = source[i + 1:j]
                i = j + 1
            line += text.count("\n")
            callee = next((w for w in reversed(stack) if w not in WRAPPING), "")
            # A one-word literal that opens a braced pair or sits in brackets is a key
            # ({"Key", value}, object["Key"]).
            key = previous in "{[" and re.fullmatch(r"\w+", text)
            yield (start_line, text,
                   any(w in TRANSLATING for w in stack) or callee in NAMING or bool(key))
            last_word = ""
        elif c == "'":
            j = i + 1
            while source[j] != "'":
                j += 2 if source[j] == "\\" else 1
            i = j + 1
        elif c.isalpha() or c == "_":
            m = re.match(r"\w+", source[i:i + 200])
            last_word = m.group(0)
            i += m.end()
        elif c == "(":
            stack.append(last_word)
            last_word = ""
            i += 1
        elif c == ")":
            if stack:
                stack.pop()
            last_word = ""
            i += 1
        else:
            if not c.isspace():
                last_word = ""
            i += 1


def unmarked(root, directories):
    faults = []
    for directory in directories:
        folder = os.path.join(root, directory)
        for name in sorted(os.listdir(folder)):
            relative = f"{directory}/{name}"
            if not name.endswith((".cpp", ".h")) or relative in SKIPPED_FILES:
                continue
            with open(os.path.join(folder, name), encoding="utf-8") as f:
                source = f.read()
            lines = source.split("\n")
            for number, text, translating in literals(source):
                if translating or text in ALLOWED or not looks_like_user_text(text):
                    continue
                here = lines[number - 1]
                before = lines[number - 2].strip() if number > 1 else ""
                if here.rstrip().endswith(MARKER) or before.startswith(f"// {MARKER}"):
                    continue
                faults.append(f"{relative}:{number}: \"{text}\"")
    return faults


def main():
    root, directories = sys.argv[1], sys.argv[2:]
    faults = unmarked(root, directories)
    for fault in faults:
        print(fault)
    if faults:
        print(f"FAIL: {len(faults)} text(s) not marked for translation "
              f"(tr(), QCoreApplication::translate() or QT_TRANSLATE_NOOP(); "
              f"`// {MARKER}` at the end of the line when it is not shown to the user)")
        return 1
    print("All user texts are marked for translation.")
    return 0


if __name__ == "__main__":
    sys.exit(main())
