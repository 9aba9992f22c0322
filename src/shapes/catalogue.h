// SPDX-License-Identifier: MIT
// Registers one prototype of every catalogue shape, in the registration order.
#pragma once

class TPrimitivesLibrary;

void registerCatalogue(TPrimitivesLibrary& library);
