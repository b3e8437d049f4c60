#pragma once

#include "link/block_exchange.h"

// The block download of the second kind of instrument, from the File menu: the blocks
// read from the instrument become the current data set, labelled "Tressil", once every
// block came; a download broken off on the way leaves the previous data set whole. True
// when the download ended normally (the data set replaced, or no blocks found), false when
// it was refused or broken off; every failure is told to the user. A data set never saved
// is first offered for saving; a cancelled save dialog cancels the download (false).
bool DownloadTressilData();
// The same with other waits (tests).
bool DownloadTressilData(const BlockTimings& timings);
