#pragma once

// Components stored inside a parent (its GetChildren): each under its place in the list with
// its class name, its name and its own stored properties, so that reading creates the same
// components through the class registry and gives them to the parent again.
//
//   <name>.Count=2
//   <name>.0.Class=TLineSeries
//   <name>.0.Name=Series1
//   <name>.0.<its properties>

#include <QString>

class TComponent;
class TTeeFiler;

// Reading makes each component owned by the parent's owner (the parent itself when it has
// none) and joins it to the parent (SetParentComponent); all are loading until the last is
// read, then each gets Loaded. A component whose class is unknown, cannot be made or does not
// join the parent is left out and the others are read as written; a name that is taken or not
// valid leaves the component without one. Reading ends at the first place that holds nothing.
// A component beyond what the filer allows raises EReadError, as does anything else that ends
// the reading in an error; the components that the reading made are then freed again. With
// storedWhenEmpty false, a parent without children writes nothing at all.
void TeeDefineChildren(TTeeFiler& filer, const QString& name, TComponent* parent, bool storedWhenEmpty = true);

// How a stored property names another component: by its name, or, for one without a name that
// is stored among the children of parent, by "#" and its place there (no name can start with
// "#"). Empty when it cannot be named.
QString TeeComponentReference(const TComponent* component, const TComponent* parent);
// The child that a "#" reference names among the children of parent being read (valid while
// they are read and loaded); null for any other text.
TComponent* TeeReferencedChild(const QString& reference, const TComponent* parent);
