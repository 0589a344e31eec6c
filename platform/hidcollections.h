#pragma once
// Which top-level collection of its interface each HID enumeration entry is. Windows gives
// each collection its own device path with "colNN" in it; hidapi on Linux gives one path per
// interface and lists it once per collection, in descriptor order.

#include <string>
#include <vector>

// For the entries of one enumeration, in list order: the collection number (1-based) of each.
std::vector<int> HidCollectionNumbers(const std::vector<std::string> &paths);

// The two ways, both built on every system so both can be tested.
// "colNN" in a Windows path (case-insensitive); 0 when the path has none.
int CollectionNumberInPath(const std::string &path);
// 1 + the number of earlier entries with the same path.
std::vector<int> CollectionNumbersByOrder(const std::vector<std::string> &paths);
