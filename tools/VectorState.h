#pragma once
// Long sample loops first clear the upper halves of the processor's vector
// registers. Code of the user-interface toolkit can leave them in use
// (constructing the application object does), and every later instruction
// of the plain vector kind the mathematics library uses then pays for
// merging them: a sine or power over twenty million samples ran more than
// ten times slower. Clearing costs one instruction; processors without the
// wide registers skip it.

void ClearUpperVectorState();
