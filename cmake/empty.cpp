// Stands in for the sources of a library whose folder is still empty.
