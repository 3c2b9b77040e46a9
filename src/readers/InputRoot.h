// What an input document's root says about the reader it was meant for, for the hints that
// follow a wrong choice of reader.
#pragma once

#include <string>
#include <vector>

#include "xml/XMLElement.h"

namespace regforge {

/// The ids of the <cpu> elements at or below root that carry one, in document order.
std::vector<std::string> cpuIds(const XMLElement* root);

/// How a document with this root is read, as the user would say it: "-tcf" for <boards>,
/// "-rdt ID" when it holds a <cpu id="ID">, "the SVD reader (no -tcf, -ddf or -rdt)" for a
/// <device> with <peripherals>; empty when no reader knows it.
std::string readerFor(const XMLElement* root);

}  // namespace regforge
