#pragma once

class QWidget;

// Shows the hourglass over a window while a long command runs.
class BusyCursorService {
public:
    virtual ~BusyCursorService() = default;
    virtual void setBusy(QWidget* form, bool busy) = 0;
};

class QtBusyCursorService : public BusyCursorService {
public:
    void setBusy(QWidget* form, bool busy) override;
};
