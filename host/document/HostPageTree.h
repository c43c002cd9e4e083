// Pages and their inherited attributes, read from the document as it is: nothing is pushed down to the
// pages or repaired on the way, so reading never changes the document. Loops in the page tree (through
// Kids or Parent) are cut where a node comes round again, so a malformed tree cannot hang the host.
#pragma once

#include <cstdint>
#include <functional>
#include <optional>
#include <string>
#include <vector>

#include <qpdf/QPDF.hh>
#include <qpdf/QPDFObjectHandle.hh>

#include "HostTypes.h"

// The page a document without any usable MediaBox gets, as PDF readers commonly do: US Letter.
constexpr FixedRect kHostDefaultMediaBox = {0, 792 * kFixedOne, 612 * kFixedOne, 0};

// Every page in page order, walking the tree from the catalog's Pages node. A node met a second time (a
// loop, or the same page listed twice) is skipped; kids that are not dictionaries are skipped. A HostError
// when the catalog has no page tree.
std::vector<QPDFObjectHandle> HostCollectPages(QPDF& pdf);

// The first value under `key` (a PDF name, "/Rotate") on `node` and up its Parent chain that `accept`
// takes; a null object when there is none. A Parent chain that comes back to a node ends the search.
QPDFObjectHandle HostFindInherited(QPDFObjectHandle node, const std::string& key,
                                   const std::function<bool(QPDFObjectHandle&)>& accept);

// A box array: exactly four numbers, kept in the array's order (element 0 left, 1 bottom, 2 right, 3 top;
// a reversed array stays reversed). None for anything else; a HostError for a number beyond Fixed.
std::optional<FixedRect> HostBoxOf(QPDFObjectHandle value);
// A new direct array of four reals holding `box` in the same order.
QPDFObjectHandle HostBoxArray(const FixedRect& box);

// The page's MediaBox: its own or the nearest ancestor's well-formed one, else kHostDefaultMediaBox.
FixedRect HostEffectiveMediaBox(QPDFObjectHandle page);
// The page's Rotate, inherited the same way, as 0, 90, 180 or 270. Values that are not integer multiples
// of 90 are malformed and skipped; with none, 0.
int16_t HostEffectiveRotation(QPDFObjectHandle page);
