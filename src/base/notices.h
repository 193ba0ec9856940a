#pragma once

#include <string>
#include <utility>
#include <vector>

#include "base/status.h"

namespace tabrel {

// One text for the user: a failure, or information that changes nothing.
struct Notice {
    enum class Kind { Error, Information };
    Kind kind;
    std::string text;  // cp1250
    bool operator==(const Notice&) const = default;
};

// What an operation that goes on past a failure has for the user, in the order it arose. A
// load keeps reading after a copy could not be made, so one status would not do.
class Notices {
public:
    void error(std::string text) { list_.push_back({Notice::Kind::Error, std::move(text)}); }
    void inform(std::string text) { list_.push_back({Notice::Kind::Information, std::move(text)}); }
    void add(const Status& status) {
        if (!status.ok()) error(status.message());
    }
    void add(const Notices& later) {
        list_.insert(list_.end(), later.list_.begin(), later.list_.end());
    }

    // No error among them: what was asked for was done.
    bool ok() const { return !has_errors(); }
    explicit operator bool() const { return ok(); }
    bool has_errors() const {
        for (const Notice& n : list_)
            if (n.kind == Notice::Kind::Error) return true;
        return false;
    }
    const std::vector<Notice>& list() const { return list_; }

private:
    std::vector<Notice> list_;
};

}  // namespace tabrel
