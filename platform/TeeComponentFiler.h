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
#include <functional>

class TComponent;
class TTeeFiler;

// Reading makes each component owned by the parent's owner (the parent itself when it has
// none) and joins it to the parent (SetParentComponent); all are loading until the last is
// read, then each gets Loaded. A component whose class is unknown, cannot be made or does not
// join the parent is left out and the others are read as written; a name that is taken or not
// valid leaves the component without one (references in the same text still name it, see
// TeeReferencedComponent). Spaces around a name do not count. Reading ends at the first place
// that holds nothing. A component beyond what the filer allows raises EReadError, as does
// anything else that ends the reading in an error; the components that the reading made are
// then freed again. With storedWhenEmpty false, a parent without children writes nothing at
// all.
void TeeDefineChildren(TTeeFiler& filer, const QString& name, TComponent* parent, bool storedWhenEmpty = true);

// How a stored property names another component: by its name, or, for one without a name that
// is stored among the children of parent, by "#" and its place there (no name can start with
// "#"). Empty when it cannot be named.
QString TeeComponentReference(const TComponent* component, const TComponent* parent);
// What a stored reference names, while the children of parent are read and loaded: first
// what the same text made, so that a link never moves to a component the text did not make.
// "#N" names the child stored at place N; a name, the first child stored under it (compared
// as component names are), even when that child could not take it or was not made. Only a
// name that the text does not give is looked for by elsewhere (the caller's own search).
// Spaces around the reference do not count. Null when it names nothing.
TComponent* TeeReferencedComponent(const QString& reference, const TComponent* parent,
                                   const std::function<TComponent*(const QString& name)>& elsewhere);
