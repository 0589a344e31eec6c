#pragma once
// Which top-level collection of its interface each HID enumeration entry is. Windows gives
// each top-level collection its own device path with "colNN" in it. hidapi on Linux gives one
// path per interface (a hidraw node) and lists it once per collection that carries a usage:
// before 0.15 nested collections too, from 0.15 top-level ones only. So the number comes from
// the interface's report descriptor, read from sysfs: the place of the entry's usage pair
// among the top-level collections.
//
// TopLevelCollections and CollectionNumber only compute; the rest read sysfs.

#include <string>
#include <vector>

struct HidUsagePair {
    int page = 0;
    int usage = -1;  // -1: the collection has no Usage item
    bool operator==(const HidUsagePair &o) const { return page == o.page && usage == o.usage; }
};

// The top-level collections of a report descriptor, in order. A descriptor that ends inside
// an item gives the collections before that item.
std::vector<HidUsagePair> TopLevelCollections(const std::vector<unsigned char> &descriptor);

// The 1-based place of (page, usage) among the top-level collections; 0 when it is none of
// them (a nested collection).
int CollectionNumber(const std::vector<HidUsagePair> &topLevel, int page, int usage);

// The report descriptor of the hidraw node at path ("/dev/hidrawN"), from
// /sys/class/hidraw/hidrawN/device/report_descriptor (readable by everyone); empty when the
// node is gone or the path is not a node's.
std::vector<unsigned char> ReadReportDescriptor(const std::string &path);

// The numbers of the top-level collections of the node that hidapi lists (those with a usage).
std::vector<int> NodeCollectionNumbers(const std::string &path);

struct HidEnumerationEntry {
    std::string path;
    int page = 0;
    int usage = 0;
};

// For the entries of one enumeration, in list order: the collection number of each, 0 for a
// nested collection or an unreadable descriptor. Each path's descriptor is read once.
std::vector<int> HidCollectionNumbers(const std::vector<HidEnumerationEntry> &entries);

// "colNN" in a Windows path (case-insensitive); 0 when the path has none.
int CollectionNumberInPath(const std::string &path);

// ---- testing ----------------------------------------------------------------------------
// Where sysfs is read ("/sys"); the simulated mouse keeps its descriptors in a folder of its own.
void SetSysfsRootForTesting(const std::string &root);
