#pragma once
// Brings a top-level window to the front by its caption. The window may not exist yet
// (a dialog about to open), so the search repeats every 50 ms until it is found.
#include <QObject>
#include <QString>
#include <QTimer>

class BringToFront : public QObject {
public:
    explicit BringToFront(QObject* parent = nullptr);
    // Starts looking for the caption (replacing any caption still looked for).
    void request(const QString& caption);
    // One search: raises the window when found, stops the timer and sets the caption to "0".
    void tick();
    const QString& caption() const { return caption_; }
    QTimer& timer() { return timer_; }

private:
    QString caption_;
    QTimer timer_;
};
