#include "hidcollections.h"

#include <cctype>
#include <map>

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

std::vector<int> CollectionNumbersByOrder(const std::vector<std::string> &paths)
{
    std::map<std::string, int> seen;
    std::vector<int> numbers;
    numbers.reserve(paths.size());
    for (const std::string &path : paths)
        numbers.push_back(++seen[path]);
    return numbers;
}

std::vector<int> HidCollectionNumbers(const std::vector<std::string> &paths)
{
#ifdef _WIN32
    std::vector<int> numbers;
    numbers.reserve(paths.size());
    for (const std::string &path : paths)
        numbers.push_back(CollectionNumberInPath(path));
    return numbers;
#else
    return CollectionNumbersByOrder(paths);
#endif
}
