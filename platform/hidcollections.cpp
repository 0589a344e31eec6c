#include "hidcollections.h"

#include <cctype>
#include <fstream>
#include <map>
#include <mutex>

namespace {

// Report descriptor items: a prefix byte (tag, type, size) and 0, 1, 2 or 4 data bytes; a
// long item is 0xFE, its data size, its tag, then the data.
constexpr unsigned char kLongItemPrefix = 0xFE;
constexpr int kTypeMain = 0;
constexpr int kTypeGlobal = 1;
constexpr int kTypeLocal = 2;
constexpr int kTagCollection = 0xA;     // main
constexpr int kTagEndCollection = 0xC;  // main
constexpr int kTagUsagePage = 0x0;      // global
constexpr int kTagPush = 0xA;           // global
constexpr int kTagPop = 0xB;            // global
constexpr int kTagUsage = 0x0;          // local

// The kernel's limit for a report descriptor.
constexpr std::streamsize kMaxDescriptorSize = 4096;

std::mutex g_sysfsMutex;

// Built on first use: a root set from another file's static initialiser must not be
// overwritten by this file's own initialisation afterwards.
std::string &sysfsRootLocked()
{
    static std::string root = "/sys";
    return root;
}

std::string sysfsRoot()
{
    std::lock_guard<std::mutex> lock(g_sysfsMutex);
    return sysfsRootLocked();
}

} // namespace

std::vector<HidUsagePair> TopLevelCollections(const std::vector<unsigned char> &d)
{
    std::vector<HidUsagePair> collections;
    const size_t size = d.size();
    int depth = 0;
    int page = 0;
    std::vector<int> pushedPages;
    int usage = -1;
    int usagePage = -1;  // from a 4-byte Usage, which carries its own page
    size_t pos = 0;
    while (pos < size) {
        const unsigned char prefix = d[pos];
        if (prefix == kLongItemPrefix) {
            if (size - pos < 3 || size - pos - 3 < d[pos + 1])
                break;
            pos += 3 + d[pos + 1];
            continue;
        }
        const size_t length = (prefix & 3) == 3 ? 4 : (prefix & 3);
        if (size - pos - 1 < length)
            break;
        unsigned long value = 0;
        for (size_t i = 0; i < length; ++i)
            value |= (unsigned long)d[pos + 1 + i] << (8 * i);
        pos += 1 + length;
        const int type = (prefix >> 2) & 3;
        const int tag = prefix >> 4;
        if (type == kTypeMain) {
            if (tag == kTagCollection) {
                if (depth == 0)
                    collections.push_back({usagePage >= 0 ? usagePage : page, usage});
                ++depth;
            } else if (tag == kTagEndCollection && depth > 0) {
                --depth;
            }
            usage = -1;  // a main item ends the local items before it
            usagePage = -1;
        } else if (type == kTypeGlobal) {
            if (tag == kTagUsagePage) {
                page = int(value & 0xFFFF);
            } else if (tag == kTagPush) {
                pushedPages.push_back(page);
            } else if (tag == kTagPop && !pushedPages.empty()) {
                page = pushedPages.back();
                pushedPages.pop_back();
            }
        } else if (type == kTypeLocal && tag == kTagUsage) {
            usage = int(value & 0xFFFF);
            usagePage = length == 4 ? int(value >> 16) : -1;
        }
    }
    return collections;
}

int CollectionNumber(const std::vector<HidUsagePair> &topLevel, int page, int usage)
{
    for (size_t i = 0; i < topLevel.size(); ++i)
        if (topLevel[i].page == page && topLevel[i].usage == usage)
            return int(i) + 1;
    return 0;
}

std::vector<unsigned char> ReadReportDescriptor(const std::string &path)
{
    const std::string node = path.substr(path.rfind('/') + 1);
    if (node.empty() || node == "." || node == "..")
        return {};
    std::ifstream file(sysfsRoot() + "/class/hidraw/" + node + "/device/report_descriptor", std::ios::binary);
    if (!file)
        return {};
    std::vector<unsigned char> bytes(static_cast<size_t>(kMaxDescriptorSize));
    file.read(reinterpret_cast<char *>(bytes.data()), kMaxDescriptorSize);
    bytes.resize(size_t(file.gcount()));
    return bytes;
}

std::vector<int> NodeCollectionNumbers(const std::string &path)
{
    const std::vector<HidUsagePair> topLevel = TopLevelCollections(ReadReportDescriptor(path));
    std::vector<int> numbers;
    for (size_t i = 0; i < topLevel.size(); ++i)
        if (topLevel[i].usage >= 0)
            numbers.push_back(int(i) + 1);
    return numbers;
}

int CollectionNumberInPath(const std::string &path)
{
    auto lower = [&path](size_t i) { return char(std::tolower((unsigned char)path[i])); };
    auto digit = [&path](size_t i) { return std::isdigit((unsigned char)path[i]) != 0; };
    for (size_t i = 0; i + 5 <= path.size(); ++i) {
        if (lower(i) == 'c' && lower(i + 1) == 'o' && lower(i + 2) == 'l' && digit(i + 3) && digit(i + 4))
            return (path[i + 3] - '0') * 10 + (path[i + 4] - '0');
    }
    return 0;
}

std::vector<int> HidCollectionNumbers(const std::vector<HidEnumerationEntry> &entries)
{
    std::vector<int> numbers;
    numbers.reserve(entries.size());
#ifdef _WIN32
    for (const HidEnumerationEntry &e : entries)
        numbers.push_back(CollectionNumberInPath(e.path));
#else
    std::map<std::string, std::vector<HidUsagePair>> descriptors;
    for (const HidEnumerationEntry &e : entries) {
        auto it = descriptors.find(e.path);
        if (it == descriptors.end())
            it = descriptors.emplace(e.path, TopLevelCollections(ReadReportDescriptor(e.path))).first;
        numbers.push_back(CollectionNumber(it->second, e.page, e.usage));
    }
#endif
    return numbers;
}

void SetSysfsRootForTesting(const std::string &root)
{
    std::lock_guard<std::mutex> lock(g_sysfsMutex);
    sysfsRootLocked() = root;
}
