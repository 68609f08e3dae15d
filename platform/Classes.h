#pragma once

// The class library's Classes unit: persistent objects, components, the class registry and lists.

#include "platform/ClassRegistry.h"
#include "platform/Collection.h"
#include "platform/Component.h"
#include "platform/Exceptions.h"
#include "platform/Lists.h"
#include "platform/Persistent.h"
#include "platform/StringList.h"
