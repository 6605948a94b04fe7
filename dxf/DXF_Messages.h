#pragma once

#include <string>
#include <vector>

// How the DXF reader talks to the user: the desktop program shows message boxes,
// the command-line tool and the tests answer by a fixed choice.
class DXF_Messages {
public:
    virtual ~DXF_Messages() = default;
    // An entity could not be read: true continues with the rest of the file (OK), false aborts (Cancel).
    virtual bool ask_continue(const std::string& caption, const std::string& text) = 0;
    // A notice with an OK button only; an empty caption stands for the program's own title.
    virtual void show(const std::string& caption, const std::string& text) = 0;
};

// Records every message and answers the question with a fixed choice.
class DXF_Message_Log : public DXF_Messages {
public:
    explicit DXF_Message_Log(bool continue_on_error = true) : continue_on_error_(continue_on_error) {}
    bool ask_continue(const std::string& caption, const std::string& text) override {
        entries.push_back({caption, text});
        return continue_on_error_;
    }
    void show(const std::string& caption, const std::string& text) override {
        entries.push_back({caption, text});
    }

    struct Entry {
        std::string caption;
        std::string text;
    };
    std::vector<Entry> entries;

private:
    bool continue_on_error_;
};
