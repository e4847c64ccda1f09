#include "source_lines.h"

#include <fstream>

std::vector<SourceLine> ReadSourceLines(const std::string& path)
{
    std::ifstream in(path, std::ios::binary);
    if (!in)
        throw std::runtime_error("cannot open " + path);
    std::vector<SourceLine> lines;
    std::string raw;
    int number = 0;
    while (std::getline(in, raw)) {
        ++number;
        if (!raw.empty() && raw.back() == '\r')
            raw.pop_back();
        const std::size_t first = raw.find_first_not_of(' ');
        if (first == std::string::npos || raw[first] == '#')
            continue;
        if (raw.find('\t') != std::string::npos)
            throw SourceError(number, "tab characters are not allowed; indent with blanks");
        SourceLine line;
        line.number = number;
        line.indent = static_cast<int>(first);
        line.text = raw.substr(first, raw.find_last_not_of(' ') + 1 - first);
        lines.push_back(line);
    }
    return lines;
}

std::string Trim(const std::string& text)
{
    const std::size_t first = text.find_first_not_of(' ');
    if (first == std::string::npos)
        return std::string();
    return text.substr(first, text.find_last_not_of(' ') + 1 - first);
}

std::vector<std::string> SplitTrimmed(const std::string& text, char separator)
{
    std::vector<std::string> pieces;
    std::size_t start = 0;
    for (;;) {
        const std::size_t end = text.find(separator, start);
        pieces.push_back(Trim(text.substr(start, end == std::string::npos ? std::string::npos : end - start)));
        if (end == std::string::npos)
            return pieces;
        start = end + 1;
    }
}
