#pragma once

#include <QString>
#include <optional>

class QWidget;

class InputBoxService {
public:
    virtual ~InputBoxService() = default;
    // The text the user confirmed, or nullopt when cancelled.
    virtual std::optional<QString> ask(const QString& prompt, const QString& title,
                                       const QString& defaultText, QWidget* owner) = 0;
};

// Like a message box, the box belongs to the window it is raised from, and
// owner stands in when no window is active.
class QtInputBoxService : public InputBoxService {
public:
    std::optional<QString> ask(const QString& prompt, const QString& title,
                               const QString& defaultText, QWidget* owner) override;
};
