#pragma once

// Downloads the recorded session from the instrument into the current data set: connects
// when the link is down, offers to stop a session that is recording, then sends the
// download command and waits for the memory image. True when the image became the data
// set; DataSetReplaced then tells the pane, the warnings and the data buttons.
bool UploadData();

// Hands the download and identification replies of the link to the data set. Called once
// at start-up.
void RegisterDataReplyHandlers();
