#pragma once
// How the program's memory is kept between uses.

// A printed page takes a buffer of about 10 MB, given back to the system at the end of
// every page and asked for again at the next: on a report of a hundred pages that costs
// more than drawing them. Freed memory up to a few tens of megabytes is kept for reuse
// instead. Called once, first thing in the program.
void keep_freed_memory();

// Gives the memory freed so far back to the system. The buffers kept for reuse while a
// report is printed are of no use between two reports, and a long session would
// otherwise keep the largest amount it ever needed.
void give_back_freed_memory();
