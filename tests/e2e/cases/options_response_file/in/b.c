X Y
