#pragma once

// Exceptions of the class library. Every error raised by the platform and the chart derives
// from Exception, which carries a QString message.

#include <QByteArray>
#include <QString>
#include <exception>

class Exception : public std::exception {
public:
    explicit Exception(const QString& message);
    const QString& Message() const { return message_; }
    const char* what() const noexcept override { return utf8_.constData(); }

private:
    QString message_;
    QByteArray utf8_;
};

// A text that is not a number or date, a failed Assign, a bad format string.
class EConvertError : public Exception {
public:
    using Exception::Exception;
};

// A virtual operation that was left abstract was called.
class EAbstractError : public Exception {
public:
    using Exception::Exception;
    EAbstractError();
};

class EInvalidCast : public Exception {
public:
    using Exception::Exception;
};

// An index or count out of range in a list, a sorted-list or duplicate violation.
class EListError : public Exception {
public:
    using Exception::Exception;
};

// A bad or duplicate component name.
class EComponentError : public Exception {
public:
    using Exception::Exception;
};

// Creating or finding a class by a name that is not registered.
class EClassNotFound : public Exception {
public:
    using Exception::Exception;
};

// Stored text that reading refuses as a whole (it would make more than one text may).
class EReadError : public Exception {
public:
    using Exception::Exception;
};

// Message texts of the class library.
extern const char* const SAssignError;       // "Cannot assign a %s to a %s"
extern const char* const SAbstractError;     // "Abstract Error"
extern const char* const SListIndexError;    // "List index out of bounds (%d)"
extern const char* const SListCountError;    // "List count out of bounds (%d)"
extern const char* const SListCapacityError; // "List capacity out of bounds (%d)"
extern const char* const SSortedListError;   // "Operation not allowed on sorted list"
extern const char* const SDuplicateString;   // "String list does not allow duplicates"
extern const char* const SInvalidName;       // "'%s' is not a valid component name"
extern const char* const SDuplicateName;     // "A component named %s already exists"
extern const char* const SClassNotFound;     // "Class %s not found"
extern const char* const SInvalidInteger;    // "'%s' is not a valid integer value"
extern const char* const SInvalidFloat;      // "'%s' is not a valid floating point value"
extern const char* const SInvalidFormat;     // "Format '%s' invalid or incompatible with argument"
extern const char* const SDateEncodeError;   // "Invalid argument to date encode"
extern const char* const STimeEncodeError;   // "Invalid argument to time encode"
extern const char* const SStoredObjectsError;    // "Stored text makes more than %d objects"
extern const char* const SStoredComponentsError; // "Stored text makes more than %d components"
