#pragma once

#include "platform/MailComposer.h"

#include <QList>

// Stands in for the desktop composer while it lives: records each mail instead of starting a
// mail program; `available` answers canSendMail().
class RecordingMailComposer : public MailComposer {
public:
    RecordingMailComposer() { setShared(this); }
    ~RecordingMailComposer() override { setShared(nullptr); }

    bool canSendMail() const override { return available; }
    void compose(const MailMessage &message, Completion completion) override {
        sent << message;
        if (completion)
            completion(true, QString());
    }

    bool available = true;
    QList<MailMessage> sent;
};
