#pragma once

#include "platform/program_instances.h"

#include <QStringList>

// Starts nothing: records the working folder of each start and answers
// with succeed.
class RecordingInstances : public InstanceService {
public:
    bool startSecondInstance(const QString& workingFolder) override {
        startedIn.append(workingFolder);
        return succeed;
    }

    bool succeed = true;
    QStringList startedIn;
};
