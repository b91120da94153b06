#pragma once
// The one way the template and catalogue files are read: before the XML reader sees a file,
// no element may carry more than a stated number of attributes (the reader compares each with
// all before it); while it reads, its element stack, and with it its memory, stays within a
// stated depth whatever the file holds.
#include <QXmlStreamReader>
#include <cstdint>
#include <string>
#include <vector>

// Deepest nesting of elements read; the label databases need 4.
inline constexpr int kMaxXmlDepth = 32;
// Most attributes of one element; the label databases use at most 10.
inline constexpr int kMaxXmlAttributes = 64;

// Why the file's elements exceed the attribute bound; empty when they do not. One pass over
// the bytes, skipping comments, character data, instructions and declarations.
std::string XmlBoundsProblem(const std::vector<uint8_t>& xml);
// Reads the next token, counting the open elements in `depth`; past kMaxXmlDepth the reader
// stops with an error before it reads on.
void ReadNextBounded(QXmlStreamReader& r, int& depth);
