#pragma once

// Fresh stored objects of every kind, each in the host it lives in (a chart for the chart's
// parts, axes and series), for the tests that write and read every setting.

#include <QString>
#include <functional>
#include <memory>
#include <vector>

#include "platform/TeeFiler.h"

struct StoredObject {
    std::shared_ptr<void> keep; // what must live while the object is used
    TTeeFiler::TObjectDefiner define; // the object's stored properties
};

// The stored text of the object, and the object read from text (with what the reader saw).
QString WriteStored(const StoredObject& o);
void ReadStored(const StoredObject& o, TTeePropertyReader& reader);

struct StoredKind {
    const char* name;
    std::function<StoredObject()> make;
};

// Every kind of stored object, by class name.
const std::vector<StoredKind>& StoredKinds();
StoredObject MakeStored(const QString& kind);
