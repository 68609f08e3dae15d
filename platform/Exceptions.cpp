#include "platform/Exceptions.h"

const char* const SAssignError = "Cannot assign a %s to a %s";
const char* const SAbstractError = "Abstract Error";
const char* const SListIndexError = "List index out of bounds (%d)";
const char* const SListCountError = "List count out of bounds (%d)";
const char* const SListCapacityError = "List capacity out of bounds (%d)";
const char* const SSortedListError = "Operation not allowed on sorted list";
const char* const SDuplicateString = "String list does not allow duplicates";
const char* const SInvalidName = "'%s' is not a valid component name";
const char* const SDuplicateName = "A component named %s already exists";
const char* const SClassNotFound = "Class %s not found";
const char* const SInvalidInteger = "'%s' is not a valid integer value";
const char* const SInvalidFloat = "'%s' is not a valid floating point value";
const char* const SInvalidFormat = "Format '%s' invalid or incompatible with argument";
const char* const SDateEncodeError = "Invalid argument to date encode";
const char* const STimeEncodeError = "Invalid argument to time encode";
const char* const SStoredObjectsError = "Stored text makes more than %d objects";
const char* const SStoredComponentsError = "Stored text makes more than %d components";

Exception::Exception(const QString& message) : message_(message), utf8_(message.toUtf8())
{
}

EAbstractError::EAbstractError() : Exception(QString::fromLatin1(SAbstractError))
{
}
