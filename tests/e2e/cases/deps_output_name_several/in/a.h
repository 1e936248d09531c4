int ah;
