# Files of exchange/ (added as its screens are built).
