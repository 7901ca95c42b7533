#pragma once

#include <QObject>

class QSocketNotifier;

// Turns SIGINT and SIGTERM into a Qt signal, so that the server can stop from its event
// loop: the handler only writes the signal number into a pipe (the one thing it may safely
// do), and a socket notifier reads it on the event loop's side. One instance at a time; it
// restores the default handlers when it goes.
class TerminationSignals : public QObject
{
    Q_OBJECT

public:
    explicit TerminationSignals(QObject* parent = nullptr);
    ~TerminationSignals() override;

    // False when the pipe or the handlers could not be set up.
    bool install();

signals:
    void received(int signalNumber);

private:
    static void handle(int signalNumber);
    void readPipe();

    int m_pipe[2] = {-1, -1};
    QSocketNotifier* m_notifier = nullptr;
};
