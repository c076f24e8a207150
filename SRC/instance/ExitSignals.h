// Turns the signals that ask a program to end (SIGTERM, SIGINT, SIGHUP) into a Qt signal, so
// that the program ends through its normal exit path instead of the default kill.
#pragma once

#include <QObject>

class QSocketNotifier;

class CKExitSignals : public QObject {
    Q_OBJECT
public:
    explicit CKExitSignals(QObject* parent = nullptr);
    ~CKExitSignals() override;

    // False when the signals could not be caught; they then keep their default action.
    bool Install();

signals:
    // Emitted from the event loop once one of the signals arrived.
    void exitRequested(int signal);

private:
    void Drain();

    int m_readEnd = -1;
    QSocketNotifier* m_notifier = nullptr;
};
