# Files of summary/ (added as its screens are built).
