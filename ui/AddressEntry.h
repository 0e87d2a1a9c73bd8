#pragma once

#include <QObject>

class MainControls;

// How the three address inputs are filled and used beyond typing: a whole address pasted
// into url1 or dropped on the window is spread over them, Enter in any of them asks for
// Get, and an address typed without a scheme gets "https://" before a run starts.
class AddressEntry : public QObject
{
    Q_OBJECT
public:
    explicit AddressEntry(MainControls *controls, QObject *parent = nullptr);

    // url1 up to the number, url2 the number (or the range), url3 the rest. An address
    // without a number goes whole into url1, and the other two are emptied so that it is
    // fetched as it stands.
    void fill(const QString &address);
    // Puts "https://" before the text of url1 when it names no scheme. Returns whether it did.
    bool completeScheme();
    // Moves the counter to the next (direction > 0) or previous place in the address that
    // can count; the three inputs follow. Nothing happens during a run.
    void moveCounter(int direction);

protected:
    // A link dropped on url2 or url3 is spread over the three inputs, as on url1.
    bool eventFilter(QObject *watched, QEvent *event) override;

Q_SIGNALS:
    // Enter was pressed in one of the inputs.
    void getRequested();

private:
    MainControls *m_controls;
};
