#pragma once

// A device that serves the bytes it was given up to a point and then fails, as a disk that
// breaks part-way through a file does.
#include <QByteArray>
#include <QIODevice>
#include <algorithm>

class FailingDevice : public QIODevice {
public:
    FailingDevice(QByteArray bytes, qint64 failAt) : bytes(std::move(bytes)), failAt(failAt)
    {
        open(QIODevice::ReadOnly | QIODevice::Unbuffered);
    }
    bool isSequential() const override { return false; }
    qint64 size() const override { return bytes.size(); }

protected:
    qint64 readData(char* data, qint64 maxSize) override
    {
        if (served >= bytes.size())
            return 0; // the end, reached before the failure point
        if (served >= failAt) {
            setErrorString(QStringLiteral("Input/output error"));
            return -1;
        }
        const qint64 n = std::min({maxSize, failAt - served, bytes.size() - served});
        std::copy_n(bytes.constData() + served, n, data);
        served += n;
        return n;
    }
    qint64 writeData(const char*, qint64) override { return -1; }

private:
    QByteArray bytes;
    qint64 failAt;
    qint64 served = 0;
};
