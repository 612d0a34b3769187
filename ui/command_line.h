// The game's own command-line options, answered before any window is opened.
#pragma once

#include <optional>
#include <string>
#include <vector>

namespace spinzaro {

// Answers --help and --version, and refuses an unknown option or argument in
// one line on stderr, without a display; Qt's own options pass untouched.
// Returns the exit status when the program should end here, nothing when the
// game should start; an answer that cannot be written is reported, status 1.
std::optional<int> answerCommandLine(int argc, char* argv[]);

// The arguments as Qt reads them: Qt takes its options only as -name value,
// so the form -name=value (or --name=value) that the parser accepts is split.
class QtArguments {
public:
    QtArguments(int argc, char* argv[]);
    QtArguments(const QtArguments&) = delete;
    QtArguments& operator=(const QtArguments&) = delete;
    // For QApplication, which keeps both for its lifetime.
    int& count() { return count_; }
    char** values() { return pointers_.data(); }

private:
    std::vector<std::string> texts_;
    std::vector<char*> pointers_;
    int count_ = 0;
};

}  // namespace spinzaro
