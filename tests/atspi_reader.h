// Reads this process's own accessibility tree through the real AT-SPI bus, as
// a screen reader would, from a thread of its own: the window answers the
// bus on its event thread, which keeps running meanwhile.
#pragma once

#include <functional>
#include <memory>
#include <string>
#include <vector>

namespace spinzaro::testing {

struct AccessibleNode {
    std::string role;
    std::string name;
    std::vector<std::string> actions;
    bool showing = false;
};

class AtspiReader {
public:
    AtspiReader();
    ~AtspiReader();
    AtspiReader(const AtspiReader&) = delete;
    AtspiReader& operator=(const AtspiReader&) = delete;

    // Every object under the application of this name, depth first; empty
    // while the application is not (yet) on the bus.
    std::vector<AccessibleNode> tree(const std::string& application);
    // Does the named action of the first object whose name starts with
    // namePrefix and that offers it; false when there is none.
    bool act(const std::string& application, const std::string& namePrefix, const std::string& action);

private:
    class Worker;
    std::unique_ptr<Worker> worker_;
};

}  // namespace spinzaro::testing
