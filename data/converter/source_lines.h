// The lines of a data source: blank lines and comment lines ("#" as the first
// non-blank character) left out, the indentation counted, trailing blanks cut.
#pragma once

#include <stdexcept>
#include <string>
#include <vector>

struct SourceLine {
    int number = 0;     // 1-based line number in the file
    int indent = 0;     // leading blanks
    std::string text;   // the rest of the line, UTF-8
};

// A fault in a source, reported with its line.
class SourceError : public std::runtime_error {
public:
    SourceError(int line, const std::string& message) : std::runtime_error(message), m_line(line) {}
    int Line() const { return m_line; }

private:
    int m_line;
};

// Throws std::runtime_error when the file cannot be read, SourceError for a tab
// in the indentation.
std::vector<SourceLine> ReadSourceLines(const std::string& path);

// Text pieces between the separator, each trimmed of blanks on both sides.
std::vector<std::string> SplitTrimmed(const std::string& text, char separator);
std::string Trim(const std::string& text);
