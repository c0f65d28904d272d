#pragma once

// A MessageBoxes that records every message instead of showing it and answers questions from a
// queue (Yes when the queue is empty). It is installed while it lives.

#include "messages.h"

#include <QString>
#include <QStringList>
#include <deque>
#include <vector>

namespace orrery::test {

class MessageRecorder : public MessageBoxes {
public:
    struct Message {
        MessageKind kind;
        QString text;
        int helpTopic;
    };

    MessageRecorder() { MessageBoxes::install(this); }
    ~MessageRecorder() override { MessageBoxes::install(nullptr); }
    MessageRecorder(const MessageRecorder&) = delete;
    MessageRecorder& operator=(const MessageRecorder&) = delete;

    bool show(QWidget*, MessageKind kind, const QString& text, int helpTopic) override
    {
        messages.push_back({kind, text, helpTopic});
        if (answers.empty()) return true;
        const bool answer = answers.front();
        answers.pop_front();
        return answer;
    }

    QStringList texts() const
    {
        QStringList list;
        for (const Message& m : messages) list << m.text;
        return list;
    }
    void clear() { messages.clear(); }

    std::vector<Message> messages;
    std::deque<bool> answers;
};

} // namespace orrery::test
