#pragma once

// Errors of the chart library; the message is the text of one of the message variables.

#include "platform/Exceptions.h"

class ChartException : public Exception
{
public:
    using Exception::Exception;
};

class AxisException : public Exception
{
public:
    using Exception::Exception;
};
