#pragma once

#include <QByteArray>
#include <QString>

// A pseudo-terminal whose slave side stands in for the meter's serial port.
// Tests only look at what the program sends and whether it holds the port
// open; nothing here answers like a meter.
class PseudoTerminal
{
public:
    PseudoTerminal();
    ~PseudoTerminal();
    PseudoTerminal(const PseudoTerminal &) = delete;
    PseudoTerminal &operator=(const PseudoTerminal &) = delete;

    bool isValid() const { return m_master >= 0; }
    QString devicePath() const { return m_slavePath; }

    // Everything the program wrote, waiting up to timeoutMs for the first byte.
    QByteArray read(int timeoutMs);
    void write(const QByteArray &bytes);
    // True once every opened handle of the slave side has been closed again.
    bool slaveClosed();
    // Closes the master side, as a pulled cable ends the line.
    void hangUp();

private:
    int m_master = -1;
    QString m_slavePath;
};
