SELECT name, COUNT(*) FROM users -- comment
WHERE id = 42 AND name = 'x';
