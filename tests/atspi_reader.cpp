// The AT-SPI side of the accessibility tests, on libatspi.
#include "atspi_reader.h"

#include <QCoreApplication>
#include <QEventLoop>

#include <atspi/atspi.h>

#include <condition_variable>
#include <future>
#include <mutex>
#include <queue>
#include <thread>

namespace spinzaro::testing {
namespace {

std::string takeString(gchar* text)
{
    std::string copy = text != nullptr ? text : "";
    g_free(text);
    return copy;
}

AtspiAccessible* findApplication(const std::string& name)
{
    AtspiAccessible* desktop = atspi_get_desktop(0);
    AtspiAccessible* found = nullptr;
    const gint count = atspi_accessible_get_child_count(desktop, nullptr);
    for (gint i = 0; i < count && found == nullptr; ++i) {
        AtspiAccessible* child = atspi_accessible_get_child_at_index(desktop, i, nullptr);
        if (child != nullptr && takeString(atspi_accessible_get_name(child, nullptr)) == name)
            found = child;
        else if (child != nullptr)
            g_object_unref(child);
    }
    g_object_unref(desktop);
    return found;
}

std::vector<std::string> actionNames(AtspiAccessible* object)
{
    std::vector<std::string> names;
    AtspiAction* action = atspi_accessible_get_action_iface(object);
    if (action == nullptr)
        return names;
    const gint count = atspi_action_get_n_actions(action, nullptr);
    for (gint i = 0; i < count; ++i)
        names.push_back(takeString(atspi_action_get_action_name(action, i, nullptr)));
    g_object_unref(action);
    return names;
}

// Calls visit on every object under root; stops early when visit says so.
bool walk(AtspiAccessible* root, const std::function<bool(AtspiAccessible*, const AccessibleNode&)>& visit)
{
    AccessibleNode node{takeString(atspi_accessible_get_role_name(root, nullptr)),
                        takeString(atspi_accessible_get_name(root, nullptr)), actionNames(root), false};
    if (AtspiStateSet* states = atspi_accessible_get_state_set(root)) {
        node.showing = atspi_state_set_contains(states, ATSPI_STATE_SHOWING) != 0;
        g_object_unref(states);
    }
    if (!visit(root, node))
        return false;
    const gint count = atspi_accessible_get_child_count(root, nullptr);
    for (gint i = 0; i < count; ++i) {
        AtspiAccessible* child = atspi_accessible_get_child_at_index(root, i, nullptr);
        if (child == nullptr)
            continue;
        const bool goOn = walk(child, visit);
        g_object_unref(child);
        if (!goOn)
            return false;
    }
    return true;
}

}  // namespace

// One thread for every libatspi call, which keeps state of its own.
class AtspiReader::Worker {
public:
    Worker() : thread_([this] { run(); }) {}
    ~Worker()
    {
        post([this] { done_ = true; });
        thread_.join();
    }
    Worker(const Worker&) = delete;
    Worker& operator=(const Worker&) = delete;

    // Runs the job there while this thread goes on serving the window's events.
    template <typename Result>
    Result call(std::function<Result()> job)
    {
        std::packaged_task<Result()> task(std::move(job));
        std::future<Result> result = task.get_future();
        post([&task] { task(); });
        while (result.wait_for(std::chrono::milliseconds(0)) != std::future_status::ready)
            QCoreApplication::processEvents(QEventLoop::AllEvents, 5);
        return result.get();
    }

private:
    void post(std::function<void()> job)
    {
        const std::lock_guard lock(mutex_);
        jobs_.push(std::move(job));
        ready_.notify_one();
    }

    void run()
    {
        atspi_init();
        while (!done_) {
            std::unique_lock lock(mutex_);
            ready_.wait(lock, [this] { return !jobs_.empty(); });
            std::function<void()> job = std::move(jobs_.front());
            jobs_.pop();
            lock.unlock();
            job();
        }
    }

    std::mutex mutex_;
    std::condition_variable ready_;
    std::queue<std::function<void()>> jobs_;
    bool done_ = false;
    std::thread thread_;
};

AtspiReader::AtspiReader() : worker_(std::make_unique<Worker>()) {}

AtspiReader::~AtspiReader() = default;

std::vector<AccessibleNode> AtspiReader::tree(const std::string& application)
{
    return worker_->call<std::vector<AccessibleNode>>([&application] {
        std::vector<AccessibleNode> nodes;
        if (AtspiAccessible* root = findApplication(application)) {
            walk(root, [&nodes](AtspiAccessible*, const AccessibleNode& node) {
                nodes.push_back(node);
                return true;
            });
            g_object_unref(root);
        }
        return nodes;
    });
}

bool AtspiReader::act(const std::string& application, const std::string& namePrefix, const std::string& action)
{
    return worker_->call<bool>([&] {
        bool acted = false;
        AtspiAccessible* root = findApplication(application);
        if (root == nullptr)
            return false;
        walk(root, [&](AtspiAccessible* object, const AccessibleNode& node) {
            if (node.name.rfind(namePrefix, 0) != 0)
                return true;
            const auto& names = node.actions;
            const auto at = std::find(names.begin(), names.end(), action);
            if (at == names.end())
                return true;  // a caption of the same name, say
            AtspiAction* actions = atspi_accessible_get_action_iface(object);
            acted = atspi_action_do_action(actions, static_cast<gint>(at - names.begin()), nullptr) != 0;
            g_object_unref(actions);
            return false;
        });
        g_object_unref(root);
        return acted;
    });
}

}  // namespace spinzaro::testing
