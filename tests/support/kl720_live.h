#pragma once

class Kl720Instrument;

// The emulated instrument's moving field: each call sets the next live reading of a slow
// rotation, x and y on the low range and z switching between its two ranges every four
// readings, with the battery going low now and then.
void AdvanceLiveReading(Kl720Instrument& instrument);
